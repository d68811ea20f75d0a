#include "convert/DigitKeyFilter.h"

KeyVerdict FilterDigitKey(char typed) {
    // Compared as unsigned bytes, so the codes 128 to 255 lie above '9'.
    const auto code = static_cast<unsigned char>(typed);
    const bool isBackspace = code == '\b';
    const bool isDigit = code >= '0' && code <= '9';
    return {isBackspace || isDigit ? KeyVerdictKind::kvPass : KeyVerdictKind::kvRefuse};
}
