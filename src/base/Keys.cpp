#include "base/Keys.h"

void ApplyKeyVerdict(const KeyVerdict& verdict, KeyDownArgs& key) {
    switch (verdict.kind) {
        case KeyVerdictKind::kvRefuse:
            key.key = 0;
            break;
        case KeyVerdictKind::kvReplace:
            key.typedChar = verdict.replacement;
            break;
        case KeyVerdictKind::kvPass:
            break;
    }
}

void ApplyKeyVerdict(const KeyVerdict& verdict, char& typed) {
    switch (verdict.kind) {
        case KeyVerdictKind::kvRefuse:
            typed = '\0';
            break;
        case KeyVerdictKind::kvReplace:
            typed = verdict.replacement;
            break;
        case KeyVerdictKind::kvPass:
            break;
    }
}
