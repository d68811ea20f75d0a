#include "codes/ChainCode.h"

#include <algorithm>

#include "codes/Marks.h"

namespace {

constexpr unsigned char kValueMark = 253;

// The length of the value mark at pos (1 byte, or 3 in utf8 mode), 0 when there is none.
std::size_t ValueMarkLengthAt(std::string_view code, std::size_t pos, Encoding encoding) {
    const std::size_t length = MarkLengthAt(code, pos, encoding);
    if (length == 0 || static_cast<unsigned char>(code[pos + length - 1]) !=
                           (encoding == Encoding::Bytes ? kValueMark : 0xBD)) {
        return 0;
    }
    return length;
}

// The buffers members convert into, kept from value to value on each thread so that a chain
// needs no allocation once its results have been as long before.
struct ChainScratch {
    std::string texts[2];
};

ChainScratch& Scratch() {
    thread_local ChainScratch scratch;
    return scratch;
}

// Runs the members over text; result views the last member's output. A member that cannot
// convert stops the chain with its STATUS.
int RunMembers(const std::vector<ConversionCode>& members, std::string_view text, bool outward,
               std::string_view& result) {
    ChainScratch& scratch = Scratch();
    int status = kStatusConverted;
    std::size_t turn = 0;
    for (const ConversionCode& member : members) {
        std::string& into = scratch.texts[turn];
        turn ^= 1;
        const int memberStatus = outward ? member.Oconv(text, into) : member.Iconv(text, into);
        if (memberStatus == kStatusBadInput || memberStatus == kStatusBadCode) {
            return memberStatus;
        }
        status = std::max(status, memberStatus);
        text = into;
    }
    result = text;
    return status;
}

}  // namespace

int ChainCode::Convert(std::string_view value, std::string& out, bool outward) const {
    if (wholeValue) {
        std::string_view result;
        const int status = RunMembers(members, value, outward, result);
        if (status == kStatusBadInput || status == kStatusBadCode) {
            out.assign(outward ? value : std::string_view());
        } else {
            out.assign(result);
        }
        return status;
    }
    return ConvertEachPiece(value, encoding, out, [&](std::string_view piece, std::string& into) {
        if (piece.empty()) {
            return static_cast<int>(kStatusConverted);
        }
        std::string_view result;
        const int status = RunMembers(members, piece, outward, result);
        if (status == kStatusBadInput || status == kStatusBadCode) {
            into.append(outward ? piece : std::string_view());
        } else {
            into.append(result);
        }
        return status;
    });
}

bool HoldsValueMark(std::string_view code, Encoding encoding) {
    for (std::size_t pos = 0; pos < code.size(); ++pos) {
        if (ValueMarkLengthAt(code, pos, encoding) != 0) {
            return true;
        }
    }
    return false;
}

bool ParseChainCode(std::string_view code, const CodeOptions& options, ChainCode& chain,
                    CodeError& error) {
    chain.encoding = options.encoding;
    std::size_t start = 0;
    for (std::size_t pos = 0;; ++pos) {
        const std::size_t markLength =
            pos < code.size() ? ValueMarkLengthAt(code, pos, options.encoding) : 0;
        if (pos < code.size() && markLength == 0) {
            continue;
        }
        if (pos == start) {
            error = {pos, "an empty code in a chain"};
            return false;
        }
        ConversionCode member = ConversionCode::Parse(code.substr(start, pos - start), options);
        if (!member.Valid()) {
            error = {start + member.ErrorPosition(), member.ErrorReason()};
            return false;
        }
        chain.wholeValue = chain.wholeValue || member.TreatsMarksAsData();
        chain.members.push_back(std::move(member));
        if (pos == code.size()) {
            return true;
        }
        pos += markLength - 1;
        start = pos + 1;
    }
}
