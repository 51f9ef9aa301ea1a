#include "SizeAnswer.h"

#include "platform/LooseNumber.h"

#include <cmath>
#include <cstdint>
#include <limits>

std::optional<GridSize> GridSizeFromAnswer(const QString& answer)
{
    const std::optional<double> number = ToNumber(answer);
    if (!number)
        return std::nullopt;
    const double whole = std::nearbyint(*number);
    if (!(whole >= std::numeric_limits<std::int32_t>::min()
          && whole <= std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return GridSize{int(Int(*number / 100)), int(Mod(*number, 100))};
}
