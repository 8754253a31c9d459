#include "lang/UserText.h"

#include "lang/LanguageTable.h"

namespace snapwright {

std::string UserText(TextId id, int language) {
    return Languages().Text(id, language);
}

std::string UserText(TextId id, int language, std::initializer_list<TextValue> values) {
    return FillPlaceholders(Languages().Text(id, language), values);
}

std::string UserText(const Message& message, int language) {
    return FillPlaceholders(Languages().Text(message.id, language), message.values);
}

}  // namespace snapwright
