#pragma once

#include "db/Connection.h"

#include <cstddef>
#include <functional>
#include <vector>

// Measuring for the benchmarks: run times, and the baseline that a list's opening is held
// against, the client library alone fetching the same rows.
namespace BenchTools {
double median(std::vector<double> values);
// Seconds the work takes.
double seconds(const std::function<void()>& work);
// Fetches the query's rows with the client library alone, over a connection set up as the
// program's (TCP, compression, cp1250), and returns the seconds of query and fetch; bytes gets
// the length of all values.
double plainClientFetch(const Connection::Settings& settings, const char* query, std::size_t* bytes);
}
