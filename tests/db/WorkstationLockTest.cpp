#include "TestDb.h"

#include "db/WorkstationLock.h"

#include <QtTest>

class WorkstationLockTest : public QObject {
    Q_OBJECT

private slots:
    void secondSessionFindsTheNumberTaken()
    {
        TestDb db;
        REQUIRE_TEST_DB(db);
        Connection other(db.settings());
        QCOMPARE(WorkstationLock(db.connection(), QStringLiteral("7")).take(), WorkstationLock::Result::Held);
        QCOMPARE(WorkstationLock(other, QStringLiteral("7")).take(), WorkstationLock::Result::HeldElsewhere);
        QCOMPARE(WorkstationLock(other, QStringLiteral("8")).take(), WorkstationLock::Result::Held);

        // The server lets go of the lock when it notices the session ended, a moment later.
        db.connection().close();
        QTRY_COMPARE_WITH_TIMEOUT(
            WorkstationLock(other, QStringLiteral("7")).take(), WorkstationLock::Result::Held, 5000);
    }

    void serverThatCannotTellIsNoError()
    {
        Connection::Settings unreachable;
        unreachable.host = QStringLiteral("127.0.0.1");
        unreachable.port = 1;
        Connection connection(unreachable);
        QCOMPARE(WorkstationLock(connection, QStringLiteral("7")).take(), WorkstationLock::Result::Unknown);
    }
};

QTEST_GUILESS_MAIN(WorkstationLockTest)
#include "WorkstationLockTest.moc"
