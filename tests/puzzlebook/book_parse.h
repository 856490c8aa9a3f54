#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "puzzlebook/puzzle_book.h"

// Reading a book in the tests: one that must parse, one that must be refused.
namespace bookParse {

inline std::vector<puzzleBook::Problem> ParseOrFail(const std::string& text) {
    std::vector<puzzleBook::Problem> problems;
    std::string error;
    EXPECT_TRUE(puzzleBook::ParseBook(text, "book", problems, error)) << error;
    return problems;
}

// The one line a refused book is answered with (and no problems).
inline std::string Refusal(const std::string& text) {
    std::vector<puzzleBook::Problem> problems;
    std::string error;
    EXPECT_FALSE(puzzleBook::ParseBook(text, "book", problems, error));
    EXPECT_TRUE(problems.empty());
    return error;
}

}  // namespace bookParse
