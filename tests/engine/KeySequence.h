#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CalcValueCompare.h"
#include "KeyDriver.h"

// One row of a key-sequence table: keys pressed from a fresh start, and the
// text of one display after each of them.
struct KeySequence {
    std::string keys;
    std::vector<std::string> after;
};

enum class Shown { Main, Input };

inline void expectTextsAfterEachKey(const KeySequence& row, Shown shown) {
    ASSERT_EQ(row.keys.size(), row.after.size()) << "table row " << row.keys;
    KeyDriver driver;
    for (std::size_t i = 0; i < row.keys.size(); ++i) {
        driver.press(row.keys[i]);
        const std::string& text =
            shown == Shown::Main ? driver.display.mainText : driver.display.inputText;
        EXPECT_EQ(text, row.after[i])
            << "keys \"" << row.keys << "\" after key " << i + 1 << " '" << row.keys[i] << "'";
    }
}

// Whether two calculators show the same after each key of a probe that
// uses every kind of button: what a reset must leave behind.
inline void expectSameAfterProbe(KeyDriver tested, KeyDriver fresh) {
    const std::string probe = "12+3==~4=1/3=*3=.5-=R2=1=S3=K4=5==";
    for (std::size_t i = 0; i <= probe.size(); ++i) {
        const std::string keys = probe.substr(0, i);
        EXPECT_EQ(tested.display.mainText, fresh.display.mainText) << "probe keys " << keys;
        EXPECT_EQ(tested.display.inputText, fresh.display.inputText) << "probe keys " << keys;
        EXPECT_EQ(tested.display.inputVisible, fresh.display.inputVisible) << "probe keys " << keys;
        EXPECT_EQ(tested.display.mainAlignment, fresh.display.mainAlignment)
            << "probe keys " << keys;
        if (i < probe.size()) {
            tested.press(probe[i]);
            fresh.press(probe[i]);
        }
    }
}

// Runs keys and returns the failure they end in; fails the test if none.
inline zorvane::CalcFailure failureAfter(KeyDriver& driver, const std::string& keys) {
    try {
        driver.press(keys);
    } catch (const zorvane::CalcError& error) {
        return error.failure();
    }
    ADD_FAILURE() << "keys \"" << keys << "\" raised no error";
    return zorvane::CalcFailure::FloatingPoint;
}
