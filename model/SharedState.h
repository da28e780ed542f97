#pragma once
// The program's whole working state: one record, one instance (`Shared`), read and
// written directly by every procedure. Widths follow the behaviour that depends on
// them: 16-bit counts and pixels, the 8-bit kind and unknown count, 16-bit flags
// (true = -1). Arrays keep their natural lower bounds, so element 0 of the 1-based
// arrays is present but never used as a point.

#include <array>
#include <cstdint>
#include <string>

#include "Color.h"

using Flag = std::int16_t;
inline constexpr Flag True = -1;
inline constexpr Flag False = 0;

inline constexpr int MaxPoints = 50;         // room in the point arrays
inline constexpr int MaxEnteredPoints = 40;  // most pairs the user may hold
inline constexpr int MinEnteredPoints = 3;
inline constexpr int MaxUnknowns = 20;  // solver capacity
inline constexpr int FormulaCount = 13;
inline constexpr int MaxCurvePoints = 301;

// Which fit the engine sequence leaves on display (SharedState::FitMode): the
// linearised least squares of the formula list, or least squares on Y itself.
enum FitModeCode : std::uint8_t {
    FitLinearised = 0,
    FitOnY = 1,
};

// How the coefficients' errors read the points' uncertainties sigma (SigmaConvention):
// as relative weights, the covariance scaled by chi^2 / (N - m) (the common fits'
// default), or as absolute standard deviations, the covariance (J^T W J)^-1 as it is.
enum SigmaConventionCode : std::uint8_t {
    SigmaRelative = 0,
    SigmaAbsolute = 1,
};

struct SharedState {
    // Point set: elements 1..PointCount are in use, ordered by X after every entry,
    // addition and successful correction.
    std::int16_t PointCount = 0;
    std::array<double, MaxPoints + 1> PointX{};
    std::array<double, MaxPoints + 1> PointY{};
    std::array<std::string, MaxPoints + 1> PointXText{};
    std::array<std::string, MaxPoints + 1> PointYText{};
    // The uncertainty sigma of each Y, where the points came with a column of them
    // (SigmaPresent); the fit then weighs each point by 1 / sigma^2.
    bool SigmaPresent = false;
    std::array<double, MaxPoints + 1> PointSigma{};
    std::array<std::string, MaxPoints + 1> PointSigmaText{};
    std::uint8_t SigmaConvention = SigmaRelative;

    // Formula and size of the fit.
    std::array<std::string, FormulaCount + 1> FormulaTexts{};  // 1..13
    std::uint8_t FormulaKind = 0;
    std::int16_t TypedDegree = 0;
    std::int16_t UnknownCount = 0;
    std::uint8_t FitUnknownCount = 0;
    std::int16_t PolyFirstColumn = 0;

    // Fit results. FitMatrix(row, column): rows 0..50, columns 0..20.
    std::array<std::array<double, MaxUnknowns + 1>, MaxPoints + 1> FitMatrix{};
    double CoefA = 0, CoefB = 0, CoefC = 0;
    // Y=B*(A^X): the ln A that the evaluation multiplies X by (see TakePowerBase).
    double CoefLogA = 0;
    double EvalArg = 0, EvalResult = 0;
    std::array<double, MaxPoints + 1> Deviation{};
    double MeanDeviation = 0;
    double DataXMin = 0, DataXMax = 0;
    std::int16_t CurvePointCount = 0;
    std::array<std::int16_t, MaxCurvePoints + 1> CurvePixelX{};
    std::array<std::int16_t, MaxCurvePoints + 1> CurvePixelY{};

    // Computation state.
    std::uint8_t ComputationFailed = 0;
    Flag InterpolationActive = False;

    // The fit on display: the linearised least squares (0, the default) or least
    // squares on Y (1); how the last refinement on Y ended, and its iterations.
    std::uint8_t FitMode = 0;
    // The 95 % confidence and prediction bands on the graph, the page and the
    // interpolation (switched by the user; off by default).
    bool BandsShown = false;
    std::uint8_t RefinementOutcome = 0;
    std::int16_t RefinementIterations = 0;

    // Plot geometry.
    double ScaleX = 0, OffsetX = 0, ScaleY = 0, OffsetY = 0;
    double DataYMin = 0, DataYMax = 0;
    std::int16_t DecimalsX = 0, DecimalsY = 0;
    double AxisXLow = 0, AxisYLow = 0;
    std::string LabelString;
    std::int16_t LabelX = 0, LabelYUp = 0;

    // Table geometry (pixels) and print placement.
    std::int16_t TableLeft = 0, TableTop = 0, RowHeight = 0, ColumnWidth = 0;
    std::uint8_t NumberColumnWidth = 0;
    std::uint8_t PrintOffsetX = 0, PrintOffsetY = 0;

    // Results window state.
    Flag RemovePickMode = False;
    Flag CorrectPickMode = False;
    std::int16_t PairToRemove = 0;
    std::array<std::int16_t, MaxPoints + 1> PointPixelX{};
    std::array<std::int16_t, MaxPoints + 1> PointPixelY{};

    // Colour settings, set once when the data entry starts.
    Color SourceColor = 0, ComputedColor = 0, GridColor = 0, CurveColor = 0;
    Color AxisColor = 0, HeadingColor = 0, ResultsBackColor = 0;
};

// The one instance every part of the program works on.
extern SharedState Shared;

// Fills FormulaTexts 1..13 in list order (done once at start-up).
void FillFormulaTexts();

// Sets the seven colour settings to their fixed values (done when the data entry starts).
void SetColourSettings();
