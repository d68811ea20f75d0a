// Feeds arbitrary bytes to every text rule a user's typing reaches: none may crash, overflow or
// read out of bounds, whatever the text; a refusal must be the program's own conversion error.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/Exception.h"
#include "convert/CharPanel.h"
#include "convert/DateText.h"
#include "convert/IntegerText.h"
#include "convert/RegionalSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        IntegerToText(TextToInteger(text));
    } catch (const EConvertError&) {
    }
    for (const char* pattern : {"m/d/yy", "dd/MM/yyyy", "yyyy-MM-dd"}) {
        RegionalDateSettings settings;
        settings.shortDatePattern = pattern;
        settings.dateSeparator = pattern[1] == '/' || pattern[2] == '/' ? '/' : '-';
        ScopedRegionalSettings scoped(settings);
        try {
            DateToText(TextToDate(text));
        } catch (const EConvertError&) {
        }
    }
    // The pattern itself comes from the user's settings: any pattern must format safely.
    {
        RegionalDateSettings settings;
        settings.shortDatePattern = text;
        ScopedRegionalSettings scoped(settings);
        DateToText(36526.5);
        DateToText(-693593.0);
    }
    const CharPanelTexts texts{text, text, text, text, text};
    FromAscii(texts);
    FromHex(texts);
    FromControl(texts);
    try {
        FromDec(texts);
    } catch (const EConvertError&) {
    }
    return 0;
}
