#include "platform/text/wildcard.h"

#include <gtest/gtest.h>

using platform::wildcardMatch;

TEST(Wildcard, PatternTable) {
    struct Case {
        const char* pattern;
        const char* name;
        bool match;
    } cases[] = {
        {"*.*", "README", true},   // names without a dot too
        {"*.*", ".", true},
        {"*.*", "a.b.c", true},
        {"*", "x", true},
        {"*.mp3", "song.mp3", true},
        {"*.mp3", "song.MP3", false},  // letters compared as they are
        {"*.mp3", "song.mp3x", false},
        {"a?c", "abc", true},
        {"a?c", "ac", false},
        {"*a*b*", "xxaxxbxx", true},
        {"*a*b*", "xxbxxaxx", false},
        {"", "", true},
        {"", "a", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(wildcardMatch(c.pattern, c.name), c.match) << c.pattern << " ~ " << c.name;
}

TEST(Wildcard, ManyStarsStayFast) {
    // The backtracking form would take exponential time here.
    EXPECT_FALSE(wildcardMatch("*a*a*a*a*a*a*a*a*a*a*a*b", std::string(200, 'a')));
}
