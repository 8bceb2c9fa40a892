#pragma once
// The window's commands, in plain C++ over the state and the ports. Every
// handler bears the name of its control and event. A handler may throw; the
// user interface runs each one through Run, the one boundary that reports.
#include <array>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "commands/outcome.h"
#include "commands/ports.h"
#include "commands/pair_settings.h"
#include "core/app_state.h"
#include "core/errors.h"
#include "design/measurement.h"
#include "design/tolerance.h"
#include "strength/lewis.h"

namespace spurgear {

class Commands {
 public:
  Commands(AppState& state, Ports ports) : state(state), ports(ports) {}

  AppState& state;
  Ports ports;

  // Calculations run: a calculate command whose write of Edit15 changes its
  // text runs a second one.
  int calculationCount = 0;

  // How the calculate command treats what only a window needs. Headless
  // (the CLI's batch) draws no picture, keeps no outline and passes over a
  // second calculation that would only repeat the first; every
  // number, line and outcome stays as in the window (a test compares
  // them), and the results are read from slot 0, not from their fields.
  // Measured on 400 pairs: 0.38 ms a pair against 0.8 ms (2x).
  enum class RunMode { Window, Headless };
  void SetRunMode(RunMode mode) {
    drawViews = mode == RunMode::Window;
    keepOutlines = mode == RunMode::Window;
    skipRepeatedCalculation = mode == RunMode::Headless;
    showResultFields = mode == RunMode::Window;
  }
  // The four switches behind the mode, each kept for the test that checks
  // they change no result.
  // Whether the calculate command draws the meshing frames and the backlash
  // view after building their outlines. A program without pictures (the
  // CLI's batch) turns it off: building decides whether the calculation
  // succeeds, drawing changes no number.
  bool drawViews = true;
  // Whether the correction's write inside a calculation may pass over the
  // second calculation when that one would only repeat it: every input field
  // then reads back as exactly slot 0's inputs, and the same inputs give the
  // same results, lines and outlines. Only the calculation count differs, so
  // the window (which reads that count) leaves it off; the batch turns it on.
  bool skipRepeatedCalculation = false;
  // Whether the calculate command keeps the outlines it builds, for the
  // pictures and the commands that read them. A program that draws nothing
  // and reads no outline (the batch) turns it off, together with drawViews:
  // the outlines then only decide whether the calculation succeeds, and a
  // pair whose teeth certainly build is not built at all.
  bool keepOutlines = true;
  // Whether the calculate command writes the results into their fields.
  // Without them it still writes the inputs and the correction: the
  // correction's text decides whether a second calculation runs, and that
  // one reads the inputs back as their fields show them (rounded).
  bool showResultFields = true;

  // Runs one command. A CommandError (conversion, arithmetic fault, file)
  // ends it and shows its text with a period in the message box; a
  // NoSolution ends it with a red line in the message list. Returns whether
  // the command ran to its end.
  template <class F>
  bool Run(F&& command) {
    bool ran = false;
    ++runDepth_;
    try {
      command();
      ran = true;
    } catch (const NoSolution& e) {
      ReportNoSolution(e.what());
    } catch (const FileError& e) {
      ports.box.ShowError(std::string(e.what()) + ".", e.reason());
    } catch (const std::exception& e) {
      ports.box.ShowError(std::string(e.what()) + ".");
    }
    --runDepth_;
    // A command that ended by an exception tells its listeners here, after
    // the message box, never while the exception is in flight.
    if (runDepth_ == 0 && notifyPending_) NotifyCalculation();
    return ran;
  }

  // Called after every command that may have changed slot 0 (計算, Enter,
  // ＋ / - / 0, a history selection, a file read, 適用), once per command
  // however many calculations it nested, with what slot 0 now holds.
  // Whatever follows slot 0 listens here rather than to the widgets.
  using CalculationListener = std::function<void(const CalcOutcome&)>;
  void AddCalculationListener(CalculationListener listener);
  // Called when the choices of k and pins (settings.choices) change, for
  // whatever shows values measured with them.
  void AddChoiceListener(std::function<void()> listener);
  void NotifyChoices();
  // How the last calculate command ended.
  const CalcOutcome& LastOutcome() const { return lastOutcome_; }

  // --- Main window, start-up and the calculate command ---
  void FormCreate();
  void ReadInputs();
  void ShowResults();
  // The calculate command: reads the inputs, checks them, calculates slot 0
  // and shows it, and says how it ended. A failure also throws, as every
  // command does, after its outcome has been recorded.
  CalcOutcome Calculate();
  void BitBtn1Click() { Calculate(); }  // 計算
  void Edit15Change();
  void BitBtn3Click();  // ＋
  void BitBtn4Click();  // -
  void BitBtn7Click();  // 0
  void N3Click();       // ＥＮＤ

  // --- Gear data file ---
  void N1Click();  // 読み取り
  void N2Click();  // 書き込み
  // A file named on the command line: as N1Click after a confirmed dialog.
  void OpenGearFile(const std::string& path);

  // Whether slot 0's results belong to its inputs (see AppState).
  bool ResultsBelong() const;
  void MarkResultsBelong();

  // --- Meshing view and animation ---
  // Builds the meshing frames' outlines from slot 0 (part of a complete
  // calculation).
  void BuildMeshOutlines();
  void DrawMeshFrames();
  void RG1Click();
  void BitBtn5Click();  // 動画
  void BitBtn6Click();  // 動画ステップ
  void Timer1Timer();
  void ScrollBar1Change(int position);

  // --- Backlash page ---
  // Builds the backlash page's working outlines from slot 0 (the last part
  // of a complete calculation).
  void BuildBacklashOutlines();
  void DrawBacklashView();
  // The contact command, and what the page then holds.
  BacklashOutcome SearchContact();
  void BitBtn8Click() { SearchContact(); }  // 接触計算
  void BitBtn9Click();   // △△
  void BitBtn13Click();  // △
  void BitBtn14Click();  // ▽
  void BitBtn10Click();  // ▽▽
  void BitBtn15Click();  // ↑
  void BitBtn16Click();  // ↓
  void BitBtn17Click();  // ←
  void BitBtn18Click();  // →
  void BitBtn19Click();  // ■ (pan)
  void BitBtn12Click();  // 小
  void BitBtn20Click();  // ■ (zoom)
  void BitBtn11Click();  // 大
  // Turns gear 2 to Edit19's number plus `step` (the four step buttons; a
  // step of 0 applies a rotation typed into Edit19).
  BacklashOutcome RotationStep(double step);
  // The backlash page as it stands.
  BacklashOutcome BacklashState() const;
  // The rotation gear 2 stands at, and how the last contact command ended:
  // contactSearched is false when there was no gap to close; contactStatus
  // 0 found (at contactRotation), 1 no rotation found.
  double gear2Rotation = 0.0;
  bool contactSearched = false;
  int contactStatus = 1;
  double contactRotation = 0.0;

  // --- The pair's settings ---
  // k and pins, tolerances and the rating request, for the windows, the
  // sheet and the part drawings (EvaluateSlot0 reads them).
  PairSettings settings;

  // --- Strength estimate ---
  // Computes the estimate from slot 0 and the page's inputs, shows its two
  // texts and returns its inputs and unrounded result.
  LewisOutcome EstimateStrength();
  void BitBtn33Click() { EstimateStrength(); }

  // --- History window ---
  void Form2Create();
  void ClearHistoryGrid();
  void PushHistory();
  void BitBtn2Click();  // 登録
  void sg1Click(int row);

  // --- Outputs ---
  void N4Click();      // 表コピー
  void N6Click();      // ギア１出力
  void N7Click();      // ギア２出力
  void Print1Click();  // 印刷
  void Help2Click();   // ヘルプ
  void SheetPdf1Click();  // 計算書 (PDF)… (SaveDialog4)
  void MeshSvg1Click();   // かみ合い図 (SVG)… (SaveDialog5)
  void PartDxf1Click();   // ギア１部品図 (DXF)… (SaveDialog6)
  void PartDxf2Click();   // ギア２部品図 (DXF)… (SaveDialog7)
  void ToothTemplate1Click();  // 歯形テンプレート (SVG)… ギア１ (SaveDialog8)
  void ToothTemplate2Click();  // 歯形テンプレート (SVG)… ギア２ (SaveDialog9)

 private:
  void ReportNoSolution(const std::string& line);
  // After the open dialog: slot 0 into the fields, the table into the grid.
  void ShowTable();
  // Whether the input fields read back as exactly slot 0's inputs.
  bool FieldsHoldInputs() const;
  // Whether the outlines must be built now: kept, or not certain to build.
  bool OutlinesToBuild() const;
  // ShowResults up to Edit15; returns whether Edit15's text changed.
  bool ShowInputsAndResults();
  // The input the last reading of the fields stopped at.
  std::string unreadInput_;

  // Marks a command that may change slot 0: the outermost one to end tells
  // the listeners.
  class SlotZeroCommand {
   public:
    explicit SlotZeroCommand(Commands& c);
    ~SlotZeroCommand() noexcept(false);
    SlotZeroCommand(const SlotZeroCommand&) = delete;
    SlotZeroCommand& operator=(const SlotZeroCommand&) = delete;

   private:
    Commands& c_;
    int exceptions_;
  };
  void NotifyCalculation();
  int runDepth_ = 0;
  int slotZeroDepth_ = 0;
  bool calculatedInside_ = false;
  // Whether the command showed slot 0 in the fields (ShowResults).
  bool shownInside_ = false;
  bool notifyPending_ = false;
  CalcOutcome lastOutcome_;
  std::vector<CalculationListener> listeners_;
  std::vector<std::function<void()>> choiceListeners_;
};

// Reads the strength estimate's inputs as the page's command does: Module and
// Teeth1 of slot 0, Edit22, Edit20, rg31, rg3 and CB1.
LewisInputs ReadLewisInputs(const GearPairRecord& slot0, const FieldPort& fields);

// Replaces the clipboard's contents by the text of a rectangle of the
// history grid (the empty text when the rectangle is refused).
void CopyGridToClipboard(const HistoryPort& grid, DesktopPort& desktop, int left, int top,
                         int right, int bottom);

}  // namespace spurgear
