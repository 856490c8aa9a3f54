#pragma once
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

// Standard error sent to a temporary file from construction until Text(),
// which puts it back and returns what was written in between.
class StderrCapture {
public:
    StderrCapture() {
        std::fflush(stderr);
        char pattern[] = "/tmp/sumline-stderr-XXXXXX";
        file_ = mkstemp(pattern);
        if (file_ < 0) return;
        unlink(pattern);
        saved_ = dup(2);
        dup2(file_, 2);
    }
    ~StderrCapture() { Text(); }
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    std::string Text() {
        if (saved_ >= 0) {
            std::fflush(stderr);
            dup2(saved_, 2);
            close(saved_);
            saved_ = -1;
            lseek(file_, 0, SEEK_SET);
            char buffer[4096];
            ssize_t got;
            while ((got = read(file_, buffer, sizeof buffer)) > 0) text_.append(buffer, static_cast<size_t>(got));
        }
        if (file_ >= 0) {
            close(file_);
            file_ = -1;
        }
        return text_;
    }

private:
    int file_ = -1;
    int saved_ = -1;
    std::string text_;
};
