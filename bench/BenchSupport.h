#pragma once

#include "db/Connection.h"

#include <QString>

#include <cstddef>
#include <functional>
#include <vector>

class QApplication;
class TestDb;

// What the benchmarks share: timing, generated orders, and the client library's own fetch as
// the baseline measured in the same run.
namespace BenchSupport {
double median(std::vector<double> values);
double seconds(const std::function<void()>& work);
// The theme and Czech regional settings, as a workstation has them.
void prepare(QApplication& app);
// Ends the benchmark with the reason when its database is not there.
void requireReady(const TestDb& db);
// Orders 1..count with realistic names, descriptions and dates.
void fillOrders(TestDb& db, int count);
// Partners 1..count with every column filled as an office fills it.
void fillPartners(TestDb& db, int count);
// The client library alone fetching the query's rows over a connection set up as ours is
// (TCP, compression, Windows-1250); the seconds taken, the bytes of the values in *bytes.
double plainClientFetch(const Connection::Settings& settings, const char* query, std::size_t* bytes);
}
