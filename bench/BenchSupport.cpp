#include "BenchSupport.h"

#include "TestDb.h"

#include "app/Application.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstring>

#include <mysql.h>

double BenchSupport::median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double BenchSupport::seconds(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e9;
}

void BenchSupport::fillOrders(TestDb& db, int count)
{
    db.exec(QStringLiteral(
        "insert into vorlany (id, ZAKAZKA, ICO, NAZEVPODNI, POPIS, POPIS2, STREDISKO, DATUMOD, DATUMDO)\n"
        "select 0, concat('2026/', lpad(seq, 6, '0')),\n"
        " lpad((seq * 7919) mod 100000000, 8, '0'),\n"
        " if(seq mod 500 = 0, null, concat(elt(1 + seq mod 10, 'Stavby', 'Kovovýroba', 'Elektro', 'Autodoprava',"
        "   'Truhlářství', 'Zámečnictví', 'Čistírna', 'Řeznictví', 'Pekárna', 'Sklárny'), ' ',"
        "   elt(1 + (seq div 10) mod 20, 'Novák', 'Dvořák', 'Černý', 'Procházka', 'Kučera', 'Veselý', 'Horák',"
        "   'Němec', 'Pokorný', 'Marek', 'Pospíšil', 'Hájek', 'Jelínek', 'Král', 'Růžička', 'Beneš', 'Fiala',"
        "   'Sedláček', 'Doležal', 'Zeman'), ' ', (seq div 200) mod 10, ' s.r.o.')),\n"
        " concat(elt(1 + seq mod 8, 'Oprava', 'Výroba', 'Montáž', 'Revize', 'Dodávka', 'Svařování', 'Nátěr',"
        "   'Údržba'), ' ', elt(1 + (seq div 8) mod 6, 'brány', 'haly', 'zábradlí', 'schodiště', 'střechy',"
        "   'jeřábu'), ' č. ', seq),\n"
        " if(seq mod 3 = 0, null, concat('dle výkresu ', seq mod 977)),\n"
        " if(seq mod 7 = 0, null, seq mod 40),\n"
        " '2026-01-01' + interval (seq mod 365) day,\n"
        " if(seq mod 97 = 0, null, '2026-06-01' + interval (seq mod 400) day + interval (seq mod 24) hour)\n"
        "from seq_1_to_%1")
                .arg(count));
}

double BenchSupport::plainClientFetch(const Connection::Settings& s, const char* query, std::size_t* bytes)
{
    MYSQL* mysql = mysql_init(nullptr);
    const unsigned protocol = MYSQL_PROTOCOL_TCP;
    mysql_optionsv(mysql, MYSQL_OPT_PROTOCOL, &protocol);
    mysql_optionsv(mysql, MYSQL_OPT_COMPRESS, nullptr);
    mysql_optionsv(mysql, MYSQL_SET_CHARSET_NAME, "cp1250");
    if (!mysql_real_connect(mysql, s.host.toUtf8().constData(), s.user.toUtf8().constData(),
            s.password.toUtf8().constData(), s.database.toUtf8().constData(), unsigned(s.port), nullptr, 0))
        qFatal("connect: %s", mysql_error(mysql));
    mysql_query(mysql, "SET CHARACTER SET cp1250");
    std::size_t total = 0;
    const double time = seconds([&] {
        mysql_real_query(mysql, query, std::strlen(query));
        MYSQL_RES* result = mysql_use_result(mysql);
        const unsigned fields = mysql_num_fields(result);
        while (mysql_fetch_row(result)) {
            const unsigned long* lengths = mysql_fetch_lengths(result);
            for (unsigned i = 0; i < fields; ++i)
                total += lengths[i];
        }
        mysql_free_result(result);
    });
    mysql_close(mysql);
    *bytes = total;
    return time;
}

void BenchSupport::fillPartners(TestDb& db, int count)
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
                .arg(count));
}

void BenchSupport::prepare(QApplication& app)
{
    Application::applyTheme(app);
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
}

void BenchSupport::requireReady(const TestDb& db)
{
    if (!db.ready())
        qFatal("%s", qPrintable(db.problem()));
}
