#pragma once
// The texts and selections the main window's controls hold when created.
#include <string_view>
#include <utility>

#include "commands/control_names.h"

namespace spurgear {

inline constexpr std::pair<std::string_view, std::string_view> kInitialTexts[] = {
    {kModuleField, "1"},
    {kTeeth1Field, "15"},
    {kTeeth2Field, "25"},
    {kShift1Field, "0"},
    {kShift2Field, "0"},
    {kWorkingPitchDia1Field, "Edit6"},
    {kWorkingPitchDia2Field, "Edit7"},
    {kTipDia1Field, "Edit8"},
    {kTipDia2Field, "Edit9"},
    {kRootDia1Field, "Edit10"},
    {kRootDia2Field, "Edit11"},
    {kBaseDia1Field, "Edit12"},
    {kBaseDia2Field, "Edit13"},
    {kCenterDistanceField, "Edit14"},
    {kCorrectionField, "Edit15"},
    {kContactRatioField, "Edit16"},
    {kBacklashField, "Edit17"},
    {kTipThickness1Field, "Edit47"},
    {kTipThickness2Field, "Edit48"},
    {kLowerGapField, "0.0"},
    {kUpperGapField, "0.0"},
    {kRotationField, "0.0000"},
    {kFaceWidthField, "10"},
    {kSpeedField, "100"},
    {kFormFactorField, "0"},
    {kTorqueField, "0"},
};

inline constexpr std::pair<std::string_view, int> kInitialIndices[] = {
    {kViewGroup, 0}, {kFilletGroup, 1}, {kShockGroup, 0}, {kMaterialBox, -1}, {kSpeedBar, 80},
};

inline constexpr int kTimerInterval = 100;  // ms, when created

}  // namespace spurgear
