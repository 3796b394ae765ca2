// The order list on 100,000 orders: opening against a plain client loop over the same rows,
// sorting, opening the column search window, one keystroke of part matching, memory.

#include "BenchSupport.h"
#include "TestDb.h"

#include "common/Cp1250.h"
#include "db/Dataset.h"
#include "grid/ColumnSearchDialog.h"
#include "grid/DatasetGrid.h"
#include "orders/OrderList.h"
#include "orders/OrderListModel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace BenchSupport;

namespace {
constexpr int kOrders = 100000;
constexpr int kRuns = 5;

const char* kQuery = "select id,ZAKAZKA,ICO,NAZEVPODNI,POPIS,DATUMOD,DATUMDO,\n POPIS2,STREDISKO\n"
                     " from vorlany order by nazevpodni,zakazka";

long residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    statm.open(QIODevice::ReadOnly);
    return statm.readAll().split(' ').value(1).toLong() * 4;
}
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    prepare(app);
    TestDb db;
    requireReady(db);
    const double fillTime = seconds([&] { fillOrders(db, kOrders); });
    std::printf("generated %d orders in %.1f s\n", kOrders, fillTime);

    std::vector<double> plain, open;
    std::size_t rawBytes = 0;
    OrderList list(db.connection());
    DatasetGrid grid;
    grid.setDatasetModel(&list.model());
    grid.resize(1084, 452);
    grid.show();
    long rssBefore = residentKiB(), rssAfter = 0;
    for (int run = 0; run < kRuns; ++run) {
        plain.push_back(plainClientFetch(db.settings(), kQuery, &rawBytes));
        open.push_back(seconds([&] {
            list.open();
            QCoreApplication::processEvents();
        }));
        if (run == 0)
            rssAfter = residentKiB();
    }
    const Dataset& data = list.dataset();
    if (data.rowCount() != kOrders || list.model().rowCount() != kOrders)
        qFatal("expected %d rows, have %d", kOrders, data.rowCount());
    std::printf("open list: %.3f s median, plain client loop %.3f s median, ratio %.2f (limit 1.50)\n", median(open),
        median(plain), median(open) / median(plain));

    auto sortTime = [&](const QString& field) {
        std::vector<double> sort;
        for (int run = 0; run < kRuns; ++run) {
            list.dataset().sortBy(QStringLiteral("id"));
            sort.push_back(seconds([&] {
                list.dataset().sortBy(field);
                QCoreApplication::processEvents();
            }));
        }
        return median(sort);
    };
    std::printf("sort by POPIS (every value distinct): %.3f s median\n", sortTime(QStringLiteral("POPIS")));
    std::printf("sort by NAZEVPODNI: %.3f s median (limit 0.300)\n", sortTime(QStringLiteral("NAZEVPODNI")));

    std::vector<double> opening, keystrokes;
    for (int run = 0; run < kRuns; ++run) {
        std::unique_ptr<ColumnSearchDialog> search;
        opening.push_back(seconds([&] {
            search = std::make_unique<ColumnSearchDialog>(
                list.dataset(), QStringLiteral("NAZEVPODNI"), QPoint(0, 0), &grid);
            search->show();
            QCoreApplication::processEvents();
        }));
        auto* text = search->findChild<QLineEdit*>(QStringLiteral("searchEdit"));
        for (const QString& typed : {u"kovo"_qs, u"nov"_qs, u"a s.r"_qs, u"řez"_qs}) {
            for (const QChar c : typed)
                keystrokes.push_back(seconds([&] {
                    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
                    QApplication::sendEvent(text, &press);
                    QCoreApplication::processEvents();
                }));
            text->clear();
            QCoreApplication::processEvents();
        }
        search->reject();
    }
    std::printf("open search window on NAZEVPODNI: %.3f s median (limit 0.300)\n", median(opening));
    std::printf("part matching keystroke: %.1f ms median, %.1f ms max (limit 16 ms median)\n", median(keystrokes) * 1e3,
        *std::max_element(keystrokes.begin(), keystrokes.end()) * 1e3);

    std::printf("memory of the open list: %.1f MiB held for %.1f MiB of row values, ratio %.2f (limit 3.00); "
                "resident growth at first open %.1f MiB\n",
        double(data.memoryUsed()) / 1048576, double(data.valueBytes()) / 1048576,
        double(data.memoryUsed()) / double(data.valueBytes()), double(rssAfter - rssBefore) / 1024);
    if (data.valueBytes() != rawBytes)
        std::printf("note: the plain loop saw %zu bytes, the list %zu\n", rawBytes, data.valueBytes());
    return 0;
}
