// Texts of a data file or a clipboard, any bytes: no crash; a text read gives 3 to 40
// pairs whose every cell is a whole number within a double's range; and those pairs,
// once stored and written back with a decimal comma, read again as the same stored
// texts.
#include <cstdint>
#include <string>

#include "FuzzInput.h"
#include "NumberText.h"
#include "PointTable.h"
#include "SharedState.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const PointTable table = ReadPointTable(text);
    if (!table.error.empty()) {
        Check(table.pairs.empty() || table.pairs.size() <= 40);
        return 0;
    }
    Check(table.pairs.size() >= 3 && table.pairs.size() <= 40);
    // Every cell was read whole: its stored text is a number again, as it reads.
    for (const TypedPair& pair : table.pairs)
        Check(!NumberBeyondRange(NormalizeNumberText(pair.x)) &&
              !NumberBeyondRange(NormalizeNumberText(pair.y)) && CellNumber(pair.x) == pair.x &&
              CellNumber(pair.y) == pair.y);
    Shared = SharedState{};
    ReplacePointsWith(table);
    const SharedState stored = Shared;
    // Read back as under a region whose decimal mark is the comma it was written with.
    const PointTable again =
        ReadPointTable(PointTableText(","), {"нет точек", RegionalMarks{',', 0}, std::nullopt});
    Check(again.error.empty());
    Shared = SharedState{};
    ReplacePointsWith(again);
    Check(Shared.PointCount == stored.PointCount);
    for (int i = 1; i <= stored.PointCount; ++i) {
        Check(Shared.PointX[i] == stored.PointX[i] && Shared.PointY[i] == stored.PointY[i]);
        Check(Shared.PointXText[i] == stored.PointXText[i] &&
              Shared.PointYText[i] == stored.PointYText[i]);
    }
    return 0;
}
