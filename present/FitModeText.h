#pragma once
// The words for which fit is on display: least squares on the linearised form (the
// formula list's fit) or on Y itself, and why a refinement on Y did not succeed.

#include <cstdint>
#include <string>

// "МНК по Y" or "линеаризованный МНК".
std::string FitMethodName(bool onY);

// Why a refinement with this outcome failed; empty where it did not.
std::string RefinementFailureReason(std::uint8_t outcome);
// "Уточнение по Y не сошлось: " and the reason after an engine sequence whose refinement failed;
// empty otherwise.
std::string RefinementFailureText();
