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

        db.connection().close();
        QCOMPARE(WorkstationLock(other, QStringLiteral("7")).take(), WorkstationLock::Result::Held);
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
