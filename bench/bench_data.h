// Data files the benchmarks share: the largest data set the program accepts, written the
// way a person's data file would be (six significant digits, CR LF lines).
#ifndef LUMOX_BENCH_BENCH_DATA_H
#define LUMOX_BENCH_BENCH_DATA_H

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace bench {

// Writes rows observations of columns variables (column 0 depends on the others with
// noise) to a file in the temporary folder named name; returns its path.
inline std::string WriteDataFile(const std::string& name, int rows, int columns) {
    const std::string path = (std::filesystem::temp_directory_path() / name).string();
    std::ofstream out(path, std::ios::binary);
    static const char* const kNames[] = {"Y", "A", "B", "C", "D", "E", "F", "G", "H", "I"};
    for (int k = 0; k < columns; ++k) out << (k > 0 ? " " : "") << kNames[k % 10];
    out << "\r\n";
    std::mt19937 random(static_cast<unsigned>(rows));
    std::uniform_real_distribution<double> value(0.0, 100.0);
    std::string line;
    char number[32];
    for (int i = 0; i < rows; ++i) {
        double y = 12.0;
        line.clear();
        for (int k = 1; k < columns; ++k) {
            const double x = value(random);
            y += k * 0.5 * x;
            std::snprintf(number, sizeof number, " %.6g", x);
            line += number;
        }
        y += value(random) - 50.0;
        std::snprintf(number, sizeof number, "%.6g", y);
        out << number << line << "\r\n";
    }
    return path;
}

}  // namespace bench

#endif
