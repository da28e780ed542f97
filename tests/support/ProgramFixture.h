#pragma once
// A fresh program for each window test: empty shared state, no window loaded, and
// the end of the program recorded instead of leaving the test's event loop.

#include <gtest/gtest.h>

class ProgramFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    bool Ended() const;
};

// Unloads every loaded window and lets Qt destroy them.
void UnloadAllWindows();
