// The partner picker on 20,000 partners: its first showing (the caller opens the list, the
// window is shown and painted) against a plain client loop over the same rows.

#include "BenchSupport.h"
#include "TestDb.h"

#include "app/Application.h"
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

void fill(TestDb& db)
{
    db.exec(QStringLiteral(
        "insert into adresar (ICO, NAZEVPODNI, SIDLO, ULICECISLO, PSC, POSTA, TELEFON, KOD_PLATCE, EMAILOBJ, SLEVA)\n"
        "select lpad((seq * 7919) mod 100000000, 8, '0'),\n"
        " concat(elt(1 + seq mod 10, 'Stavby', 'Kovovýroba', 'Elektro', 'Autodoprava', 'Truhlářství',"
        "   'Zámečnictví', 'Čistírna', 'Řeznictví', 'Pekárna', 'Sklárny'), ' ',"
        "   elt(1 + (seq div 10) mod 20, 'Novák', 'Dvořák', 'Černý', 'Procházka', 'Kučera', 'Veselý', 'Horák',"
        "   'Němec', 'Pokorný', 'Marek', 'Pospíšil', 'Hájek', 'Jelínek', 'Král', 'Růžička', 'Beneš', 'Fiala',"
        "   'Sedláček', 'Doležal', 'Zeman'), ' ', seq, ' s.r.o.'),\n"
        " elt(1 + seq mod 12, 'Praha', 'Brno', 'Ostrava', 'Plzeň', 'Liberec', 'Olomouc', 'Zlín', 'Jihlava',"
        "   'Kladno', 'Opava', 'Třebíč', 'Písek'),\n"
        " concat(elt(1 + (seq div 12) mod 8, 'Nádražní', 'Husova', 'Školní', 'Komenského', 'Zahradní', 'Tyršova',"
        "   'Polní', 'Masarykova'), ' ', 1 + seq mod 300),\n"
        " concat(100 + seq mod 700, ' ', lpad(seq mod 100, 2, '0')),\n"
        " elt(1 + seq mod 12, 'Praha 1', 'Brno 2', 'Ostrava 1', 'Plzeň', 'Liberec 3', 'Olomouc', 'Zlín', 'Jihlava',"
        "   'Kladno 1', 'Opava', 'Třebíč', 'Písek'),\n"
        " if(seq mod 4 = 0, null, concat('+420 ', lpad((seq * 31) mod 1000000000, 9, '0'))),\n"
        " concat('CZ', lpad((seq * 7919) mod 100000000, 8, '0')),\n"
        " if(seq mod 3 = 0, null, concat('obchod', seq, '@example.cz')),\n"
        " (seq mod 20) / 2\n"
        "from seq_1_to_%1")
                .arg(kPartners));
}
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Application::applyTheme(app);
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    TestDb db;
    if (!db.ready())
        qFatal("%s", qPrintable(db.problem()));
    const double fillTime = seconds([&] { fill(db); });
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
