#include "BenchTools.h"

#include <QElapsedTimer>
#include <QtGlobal>

#include <algorithm>
#include <cstring>

#include <mysql.h>

double BenchTools::median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double BenchTools::seconds(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e9;
}

double BenchTools::plainClientFetch(const Connection::Settings& s, const char* query, std::size_t* bytes)
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
