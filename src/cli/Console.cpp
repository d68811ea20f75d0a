#include "cli/Console.h"

#include "cli/LineReader.h"

void FlushOutput(Console& console) {
    if (auto* buffered = dynamic_cast<BufferedSink*>(&console.out)) {
        buffered->Flush();
    }
}

void EachValue(Console& console, const std::vector<std::string>& values,
               const std::function<void(const std::string&)>& each) {
    if (!values.empty()) {
        for (const std::string& value : values) {
            each(value);
        }
        return;
    }
    LineReader lines(console.in);
    std::string line;
    while (lines.Next(line)) {
        each(line);
        if (console.inIsTerminal) {
            FlushOutput(console);
        }
    }
}

void Diagnose(Console& console, std::string_view line) {
    FlushOutput(console);
    std::string text = "quorlin: ";
    text += line;
    text += '\n';
    console.err.Write(text);
}
