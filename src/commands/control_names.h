#pragma once
// The objectNames of the controls the commands, the window and the CLI share,
// spelled once: a misspelt constant fails to compile, a misspelt string only
// fails at run time.
namespace spurgear {

// --- Main window: the inputs ---
inline constexpr const char* kModuleField = "Edit1";
inline constexpr const char* kTeeth1Field = "Edit2";
inline constexpr const char* kTeeth2Field = "Edit3";
inline constexpr const char* kShift1Field = "Edit4";
inline constexpr const char* kShift2Field = "Edit5";
// Written by the system only; a change of its text runs the calculation.
inline constexpr const char* kCorrectionField = "Edit15";

// --- Main window: the results ---
inline constexpr const char* kWorkingPitchDia1Field = "Edit6";
inline constexpr const char* kWorkingPitchDia2Field = "Edit7";
inline constexpr const char* kTipDia1Field = "Edit8";
inline constexpr const char* kTipDia2Field = "Edit9";
inline constexpr const char* kRootDia1Field = "Edit10";
inline constexpr const char* kRootDia2Field = "Edit11";
inline constexpr const char* kBaseDia1Field = "Edit12";
inline constexpr const char* kBaseDia2Field = "Edit13";
// The center distance with the correction added.
inline constexpr const char* kCenterDistanceField = "Edit14";
inline constexpr const char* kContactRatioField = "Edit16";
inline constexpr const char* kBacklashField = "Edit17";
inline constexpr const char* kTipThickness1Field = "Edit47";
inline constexpr const char* kTipThickness2Field = "Edit48";

// --- Main window: buttons, view choice, animation, messages ---
inline constexpr const char* kCalculateButton = "BitBtn1";       // 計算
inline constexpr const char* kRegisterButton = "BitBtn2";        // 登録
inline constexpr const char* kCorrectionUpButton = "BitBtn3";    // ＋
inline constexpr const char* kCorrectionDownButton = "BitBtn4";  // -
inline constexpr const char* kCorrectionZeroButton = "BitBtn7";  // 0
inline constexpr const char* kAnimateButton = "BitBtn5";         // 動画
inline constexpr const char* kAnimateStepButton = "BitBtn6";     // 動画ステップ
inline constexpr const char* kViewGroup = "RG1";                 // 表示設定
inline constexpr const char* kSpeedBar = "ScrollBar1";           // 動画速度
inline constexpr const char* kAnimationTimer = "Timer1";
inline constexpr const char* kMessageList = "ListBox1";
inline constexpr const char* kBusyLabel = "Label15";
// The five meshing frames; Image1 is the one shown after a calculation.
inline constexpr const char* kMeshFrame1 = "Image1";
inline constexpr const char* kMeshFrame2 = "Image2";
inline constexpr const char* kMeshFrame3 = "Image3";
inline constexpr const char* kMeshFrame4 = "Image4";
inline constexpr const char* kMeshFrame5 = "Image5";

// --- Backlash page ---
inline constexpr const char* kContactButton = "BitBtn8";        // 接触計算
inline constexpr const char* kTurnUpFastButton = "BitBtn9";     // △△
inline constexpr const char* kTurnUpButton = "BitBtn13";        // △
inline constexpr const char* kTurnDownButton = "BitBtn14";      // ▽
inline constexpr const char* kTurnDownFastButton = "BitBtn10";  // ▽▽
inline constexpr const char* kPanUpButton = "BitBtn15";         // ↑
inline constexpr const char* kPanDownButton = "BitBtn16";       // ↓
inline constexpr const char* kPanLeftButton = "BitBtn17";       // ←
inline constexpr const char* kPanRightButton = "BitBtn18";      // →
inline constexpr const char* kPanResetButton = "BitBtn19";      // ■ (pan)
inline constexpr const char* kZoomOutButton = "BitBtn12";       // 小
inline constexpr const char* kZoomResetButton = "BitBtn20";     // ■ (zoom)
inline constexpr const char* kZoomInButton = "BitBtn11";        // 大
// Gear 2's rotation in radians, and the flank gaps below and above.
inline constexpr const char* kRotationField = "Edit19";
inline constexpr const char* kLowerGapField = "Edit18";
inline constexpr const char* kUpperGapField = "Edit21";
inline constexpr const char* kBacklashImage = "Image7";

// --- Strength page ---
inline constexpr const char* kFaceWidthField = "Edit20";
inline constexpr const char* kSpeedField = "Edit22";
inline constexpr const char* kFilletGroup = "rg31";
inline constexpr const char* kShockGroup = "rg3";
inline constexpr const char* kMaterialBox = "CB1";
inline constexpr const char* kStrengthButton = "BitBtn33";  // 計算
inline constexpr const char* kFormFactorField = "Edit23";
inline constexpr const char* kTorqueField = "Edit24";
inline constexpr const char* kStrengthChart = "Image8";

// --- History window ---
inline constexpr const char* kHistoryGrid = "sg1";

// --- File dialogs ---
inline constexpr const char* kOpenGearDialog = "OpenDialog1";
inline constexpr const char* kSaveGearDialog = "SaveDialog1";
inline constexpr const char* kSaveGear1DxfDialog = "SaveDialog2";
inline constexpr const char* kSaveGear2DxfDialog = "SaveDialog3";
inline constexpr const char* kSaveSheetDialog = "SaveDialog4";
inline constexpr const char* kSaveMeshSvgDialog = "SaveDialog5";
inline constexpr const char* kSavePartDxf1Dialog = "SaveDialog6";
inline constexpr const char* kSavePartDxf2Dialog = "SaveDialog7";
inline constexpr const char* kSaveTemplate1Dialog = "SaveDialog8";
inline constexpr const char* kSaveTemplate2Dialog = "SaveDialog9";
inline constexpr const char* kSaveStep1Dialog = "SaveDialog10";
inline constexpr const char* kSaveStep2Dialog = "SaveDialog11";
inline constexpr const char* kSaveMeshStepDialog = "SaveDialog12";

}  // namespace spurgear
