#include "cli/Console.h"

#include <string>

void Diagnose(Console& console, std::string_view line) {
    if (auto* buffered = dynamic_cast<BufferedSink*>(&console.out)) {
        buffered->Flush();
    }
    std::string text = "quorlin: ";
    text += line;
    text += '\n';
    console.err.Write(text);
}
