// The address book on 20,000 partners: opening it (the window made, shown and painted with its
// list) against a plain client loop over the same rows, and deleting a partner from the list.

#include "BenchSupport.h"
#include "TestDb.h"

#include "common/MessageHook.h"
#include "db/Dataset.h"
#include "partners/AddressBook.h"

#include <QApplication>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {
using BenchSupport::median;
using BenchSupport::seconds;

constexpr int kPartners = 20000;
constexpr int kRuns = 5;

const char* kQuery = "select * from adresar order by nazevpodni";
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    BenchSupport::prepare(app);
    TestDb db;
    BenchSupport::requireReady(db);
    const double fillTime = seconds([&] { BenchSupport::fillPartners(db, kPartners); });
    std::printf("generated %d partners in %.1f s\n", kPartners, fillTime);

    std::vector<double> plain, opening, deleting;
    std::size_t rawBytes = 0;
    for (int run = 0; run < kRuns; ++run) {
        plain.push_back(BenchSupport::plainClientFetch(db.settings(), kQuery, &rawBytes));
        std::unique_ptr<AddressBook> book;
        opening.push_back(seconds([&] {
            book = std::make_unique<AddressBook>(db.connection(), QStringLiteral("00"));
            book->show();
            while (!book->windowHandle() || !book->windowHandle()->isExposed())
                QCoreApplication::processEvents();
            QCoreApplication::processEvents();
        }));
        const int rows = book->partners().rowCount();
        if (rows != kPartners - run)
            qFatal("expected %d rows, have %d", kPartners - run, rows);

        book->partners().setCurrentRow(rows / 2);
        MessageHook hook;
        hook.queueAnswer(1);
        deleting.push_back(seconds([&] {
            book->deletePartner();
            QCoreApplication::processEvents();
        }));
        if (book->partners().rowCount() != rows - 1 || hook.shown().size() != 1)
            qFatal("the partner was not deleted");
        book->close();
    }
    std::printf("opening the address book: %.3f s median, plain client loop %.3f s median, ratio %.2f "
                "(limit 1.50)\n",
        median(opening), median(plain), median(opening) / median(plain));
    std::printf("deleting a partner from the list: %.1f ms median, %.1f ms worst (limit 50 ms)\n",
        median(deleting) * 1000, *std::max_element(deleting.begin(), deleting.end()) * 1000);
    return 0;
}
