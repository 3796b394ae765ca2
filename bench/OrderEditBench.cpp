// "Zapsat" of a correction on 100,000 orders and 20,000 partners (scratch write, replace, list
// refresh with the order current again) against the list's own refresh alone, in the same run.

#include "BenchSupport.h"
#include "TestDb.h"

#include "db/Dataset.h"
#include "orders/OrderEditPanel.h"
#include "orders/OrderList.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>

#include <cstdio>

using namespace BenchSupport;

namespace {
constexpr int kOrders = 100000;
constexpr int kPartners = 20000;
constexpr int kRuns = 5;
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    prepare(app);
    TestDb db;
    requireReady(db);
    fillOrders(db, kOrders);
    fillPartners(db, kPartners);

    OrderList list(db.connection());
    list.open();
    list.dataset().sortBy(QStringLiteral("NAZEVPODNI"));
    QTemporaryDir base;
    OrderEditPanel panel;
    panel.setUp(db.connection(), QStringLiteral("00"), {});
    panel.setBaseFolder(base.path());
    QElapsedTimer saving;
    std::vector<double> written;
    QObject::connect(&panel, &OrderEditPanel::orderSaved, [&](qint64 id) {
        written.push_back(double(saving.nsecsElapsed()) / 1e9);
        list.refresh();
        list.makeCurrent(id);
    });
    auto* description = panel.findChild<QLineEdit*>(QStringLiteral("DBEdit7"));

    std::vector<double> refresh, save;
    for (int run = 0; run < kRuns; ++run) {
        refresh.push_back(seconds([&] { list.refresh(); }));

        const qint64 id = 1000 + run * 7919 % kOrders;
        list.makeCurrent(id);
        panel.correctOrder(list.currentId());
        description->setText(QStringLiteral("Oprava %1").arg(run));
        saving.start();
        save.push_back(seconds([&] { panel.saveOrder(); }));
        if (list.currentId() != id || list.dataset().rowCount() != kOrders)
            qFatal("the saved order %lld is not current", id);
    }
    std::printf("list refresh alone: %.3f s median\n", median(refresh));
    std::printf("of which writing the order (scratch row, replace, commit): %.3f s median\n", median(written));
    std::printf("\"Zapsat\" of a correction with refresh: %.3f s median, ratio %.2f (limit 1.50)\n", median(save),
        median(save) / median(refresh));
    return 0;
}
