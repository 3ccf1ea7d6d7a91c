// The five long paragraph tables of the sign knowledge base, kept apart from
// the one-row-per-sign tables so that those stay readable. Internal to
// src/signs.
#pragma once

#include "signs/bilingual.h"
#include "signs/rashi_information.h"

#include <array>
#include <string_view>

namespace nyra::signs_detail {

// One text per sign, indexed 0 (Mesha) .. 11 (Meena), in each language.
using SignTexts = std::array<Bilingual<std::string_view>, kSignCount>;

extern const SignTexts kLooks;
extern const SignTexts kNature;
extern const SignTexts kCareerAndFinance;
extern const SignTexts kLoveAndDomesticLife;
extern const SignTexts kHealth;

}  // namespace nyra::signs_detail
