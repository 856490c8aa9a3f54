#include "platform/load_report.h"

#include <strings.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<std::string> reported;

}  // namespace

void ReportUnreadableFile(const char* gamePath, ReadProblem problem) {
    if (problem == ReadProblem::none) return;
    const char* shown = gamePath != nullptr ? gamePath : "(no path)";
    for (const std::string& path : reported) {
        if (strcasecmp(path.c_str(), shown) == 0) return;
    }
    reported.emplace_back(shown);
    std::fprintf(stderr, "sumline: cannot read %s: %s\n", shown, ReadProblemText(problem));
}

void ForgetReportedFiles() { reported.clear(); }
