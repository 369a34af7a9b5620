#include "layouts/GameNumberChoice.h"

#include "engine/GameNumber.h"
#include "platform/Text.h"

namespace jw {

NumberChoice CheckNumberChoice(std::string_view number, std::string_view gameName, bool fromGrid,
                               const GameCatalog& catalog) {
    NumberChoice choice;
    if (fromGrid && (Trim(number).empty() || Trim(gameName).empty())) {
        choice.outcome = NumberChoice::Outcome::Refuse;
        choice.message = std::string(kSelectNumberMessage);
        return choice;
    }
    const TypedNumber typed = ReadTypedGameNumber(number);
    if (typed.status == TypedNumberStatus::NotDigits) {
        choice.outcome = NumberChoice::Outcome::Refuse;
        choice.message = std::string(kNumbersOnlyMessage);
        return choice;
    }
    if (typed.status == TypedNumberStatus::Zero) {
        return choice;
    }
    choice.id = catalog.IdOf(Trim(gameName));
    if (choice.id < 0) {
        return choice;
    }
    choice.outcome = NumberChoice::Outcome::Start;
    choice.number = typed.number;
    return choice;
}

}  // namespace jw
