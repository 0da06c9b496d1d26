#pragma once
// Designing to a requirement: every form state the requirement leaves free is searched, each
// calculated and checked as Calculate would, and those meeting the requirement ranked.

#include <cstddef>
#include <filesystem>

#include "advise/candidate.h"
#include "advise/requirement.h"
#include "advise/search_watch.h"
#include "common/number.h"
#include "files/design_file.h"

namespace windara {

struct AdviseOptions {
  std::size_t count = 3;  // candidates kept per alloy or grade
  int threads = 1;
  // Followed and cancelled from another thread; a cancelled search throws SearchCancelled.
  SearchWatch* watch = nullptr;
};

// Searches with the tables and Materials.txt of `programDir`, each read once.
Advice advise(const std::filesystem::path& programDir, const NumberLocale& locale,
              const Requirement& req, const AdviseOptions& options);

// The requirement a design file's inputs state, with the defaults of its type for the rest;
// nothing for a file that holds no design or a text that is no number.
std::optional<Requirement> requirementOf(const DesignFileContents& design,
                                         const NumberLocale& locale);

}  // namespace windara
