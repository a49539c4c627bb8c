// Reads answer-box texts, one a line of the file given, and prints for each
// what a pupil sees:
// the text, the number read as the echo label shows it, and as the drawing
// prints it. Run by both builds of the engine on the same table, so that the
// desktop and the page read and echo every text alike.
//
// A line may write a character as \t, \n, \r, \\ or \xHH; "\*N" repeats the
// character before it N times in all, for texts too long to write out.
#include <cstdio>
#include <fstream>
#include <string>

#include "engine/NumberText.h"

namespace {

std::string unescape(const std::string& line) {
    std::string text;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '\\' || i + 1 == line.size()) {
            text += line[i];
            continue;
        }
        const char kind = line[++i];
        if (kind == 't') {
            text += '\t';
        } else if (kind == 'n') {
            text += '\n';
        } else if (kind == 'r') {
            text += '\r';
        } else if (kind == 'x' && i + 2 < line.size()) {
            text += static_cast<char>(std::stoi(line.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else if (kind == '*' && !text.empty()) {
            std::size_t digits = 0;
            const std::size_t count = std::stoul(line.substr(i + 1), &digits);
            text.append(count - 1, text.back());
            i += digits;
        } else {
            text += kind;
        }
    }
    return text;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: number_echo TABLE\n", stderr);
        return 2;
    }
    std::ifstream table(argv[1]);
    if (!table) {
        std::fprintf(stderr, "number_echo: cannot read %s\n", argv[1]);
        return 1;
    }
    std::string line;
    while (std::getline(table, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        const double value = engine::readAnswerNumber(unescape(line));
        std::printf("%s\t%s\t%s\n", line.c_str(), engine::captionText(value).c_str(),
                    engine::surfaceText(value).c_str());
    }
}
