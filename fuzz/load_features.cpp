// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as data.dat must load without a fault, every text within its
// capacity, and the loaded features must write back and load again unchanged.
//   cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCRESSELLE_FUZZ=ON
//   cmake --build build-fuzz --target fuzz_load_features
//   TMPDIR=/dev/shm build-fuzz/fuzz_load_features -max_len=1200 corpus/
// (TMPDIR in memory: the target rewrites a file for every input)
#include "data/FeatureFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data.dat"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    TStringGrid grid(3);
    LoadFeatures(grid, path);
    const int features = grid.RowCount() - 1;
    if (features != static_cast<int>(size / FeatureRecordSize)) std::abort();
    for (int row = 0; row < features; ++row)
        if (grid.Cell(0, row).size() > FeatureNameCapacity ||
            grid.Cell(1, row).size() > FeatureCoordinateCapacity ||
            grid.Cell(2, row).size() > FeatureCoordinateCapacity)
            std::abort();

    FeatureRecord buffer;
    QString error;
    if (!WriteFeatureFile(grid, buffer, error, path)) return 0;
    TStringGrid again(3);
    LoadFeatures(again, path);
    for (int row = 0; row < features; ++row)
        for (int col = 0; col < 3; ++col)
            if (again.Cell(col, row) != grid.Cell(col, row)) std::abort();
    for (int row = 0; row < features; ++row) {
        double degrees = 0;
        ParseCoordinate(grid.Cell(1, row), CoordinateAxis::Longitude, degrees);
        VerifyCoordinate(grid.Cell(2, row), CoordinateAxis::Latitude);
    }
    return 0;
}
