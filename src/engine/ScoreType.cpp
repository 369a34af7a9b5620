#include "engine/ScoreType.h"

#include "platform/Host.h"

namespace jw {

std::string ValidateScoreType(std::string_view type, Host& host) {
    if (IsValidScoreType(type)) {
        return std::string(type);
    }
    host.Inform("Score Type Error (fnL): " + std::string(type));
    return std::string(kScoreTypeMahJong);
}

}  // namespace jw
