// Colours as the record stores them: blue * 65536 + green * 256 + red.
#pragma once

#include <QColor>
#include <cstdint>

namespace qf {

QColor ColorFromRecord(uint32_t value);
uint32_t RecordFromColor(const QColor& color);

}  // namespace qf
