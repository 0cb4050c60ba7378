// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the exit check of the coordinate boxes of the lunar features database.
// Any text must give either a message or a valid text that reads back as the same number
// within the axis' range and passes the check again unchanged.
#include "data/FeatureFile.h"

#include <cstdint>
#include <cstdlib>

namespace {

void CheckAxis(const QString& typed, CoordinateAxis axis) {
    const CoordinateCheck check = VerifyCoordinate(typed, axis);
    double degrees = 0;
    const bool parsed = ParseCoordinate(typed, axis, degrees);
    if (!check.Valid) {
        if (check.Message.isEmpty() || parsed) std::abort();
        return;
    }
    if (!check.Message.isEmpty() || !parsed) std::abort();
    double rebuilt = 0;
    if (!ParseCoordinate(check.Text, axis, rebuilt) || rebuilt != degrees) std::abort();
    const CoordinateCheck again = VerifyCoordinate(check.Text, axis);
    if (!again.Valid || again.Text != check.Text) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString typed =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CheckAxis(typed, CoordinateAxis::Longitude);
    CheckAxis(typed, CoordinateAxis::Latitude);
    return 0;
}
