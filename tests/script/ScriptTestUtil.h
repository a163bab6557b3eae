#pragma once
// Helpers shared by the script tests: scripts read from text, deals written
// as PBN deal text, the files of tests/data/dlr.

#include "script/DealMasks.h"
#include "script/Script.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kv::test {

// The script read from `text`; a test that gives a faulty text fails.
inline script::TScript Script(std::string_view text, const std::string& file = "t.dlr") {
    script::TScriptRead read = script::ParseScript(text, file);
    EXPECT_TRUE(read.Ok()) << (read.Error ? read.Error->Message() : "");
    return read.Ok() ? std::move(*read.Script) : script::TScript{};
}

// "N:AKQ.J.. ... ... ...": seats from North, suits spades to clubs.
inline script::TDealMasks Deal(std::string_view text) {
    script::TDealMasks deal;
    std::size_t seat = 0;
    int suit = 0;
    constexpr std::string_view ranks = "23456789TJQKA";
    for (const char c : text.substr(2)) {
        if (c == ' ') {
            ++seat;
            suit = 0;
        } else if (c == '.') {
            ++suit;
        } else {
            deal.Hands[seat] |= script::CardBit(suit, static_cast<int>(ranks.find(c)) + 2);
        }
    }
    return deal;
}

inline std::string DealText(const script::TDealMasks& deal) {
    constexpr std::string_view ranks = "23456789TJQKA";
    std::string text = "N:";
    for (std::size_t seat = 0; seat < 4; ++seat) {
        if (seat) text += ' ';
        for (int suit = 0; suit < 4; ++suit) {
            if (suit) text += '.';
            for (int rank = 14; rank >= 2; --rank)
                if (deal.Hands[seat] & script::CardBit(suit, rank))
                    text += ranks[static_cast<std::size_t>(rank - 2)];
        }
    }
    return text;
}

inline std::string ReadText(const std::filesystem::path& path) {
    std::string text;
    if (FILE* f = std::fopen(path.string().c_str(), "rb")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
            text.append(buffer, n);
        std::fclose(f);
    }
    return text;
}

// The real scenario scripts kept as test data, in name order.
inline std::vector<std::filesystem::path> DataScripts() {
    std::vector<std::filesystem::path> paths;
    for (const auto& entry : std::filesystem::directory_iterator(KV_SCRIPT_DATA))
        if (entry.path().extension() == ".dlr") paths.push_back(entry.path());
    std::sort(paths.begin(), paths.end());
    return paths;
}

} // namespace kv::test
