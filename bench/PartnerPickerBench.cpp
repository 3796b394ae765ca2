// The partner picker on 20,000 partners: its first showing (the caller opens the list, the
// window is shown and painted) against a plain client loop over the same rows.

#include "BenchSupport.h"
#include "TestDb.h"

#include "db/Dataset.h"
#include "partners/PartnerPicker.h"

#include <QApplication>
#include <QWindow>

#include <cstdio>
#include <memory>
#include <vector>

namespace {
using BenchSupport::median;
using BenchSupport::seconds;

constexpr int kPartners = 20000;
constexpr int kRuns = 5;

const char* kQuery = "select * from adresar order by ico";

}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    BenchSupport::prepare(app);
    TestDb db;
    BenchSupport::requireReady(db);
    const double fillTime = seconds([&] { BenchSupport::fillPartners(db, kPartners); });
    std::printf("generated %d partners in %.1f s\n", kPartners, fillTime);

    std::vector<double> plain, showing;
    std::size_t rawBytes = 0, listBytes = 0;
    for (int run = 0; run < kRuns; ++run) {
        plain.push_back(BenchSupport::plainClientFetch(db.settings(), kQuery, &rawBytes));
        // Made at start-up, so not part of the showing; a new one each run, so each is a first showing.
        auto picker = std::make_unique<PartnerPicker>(db.connection());
        showing.push_back(seconds([&] {
            picker->partners().open();
            picker->show();
            while (!picker->windowHandle() || !picker->windowHandle()->isExposed())
                QCoreApplication::processEvents();
            QCoreApplication::processEvents();
        }));
        if (picker->partners().rowCount() != kPartners)
            qFatal("expected %d rows, have %d", kPartners, picker->partners().rowCount());
        listBytes = picker->partners().valueBytes();
    }
    std::printf("first showing of the picker: %.3f s median, plain client loop %.3f s median, ratio %.2f "
                "(limit 1.50)\n",
        median(showing), median(plain), median(showing) / median(plain));
    if (listBytes != rawBytes)
        std::printf("note: the plain loop saw %zu bytes, the list %zu\n", rawBytes, listBytes);
    return 0;
}
