#pragma once
// The motion workspaces (rectilinear motion, kRectilinearWorkspace, and projectile
// motion, kProjectileWorkspace): the table frame fraTable (motion table Gd2, the
// strip picAccel with its acceleration boxes, the results frame fraRes) and
// the tabs tabMrua (problem kinds; pictured procedures; listed procedures).
//
// Motion implements the services the main window calls and the callbacks the
// rectilinear and projectile procedures use (procedures.h), and dispatches
// the strip's clicks and the listed-procedure button to those procedures.
// Its handlers are split by topic over table.cpp, strip.cpp, kinds.cpp,
// catalogue.cpp, results.cpp, config.cpp, clicks.cpp and runner.cpp; the
// computations that need no widget are in compute.h.
//
// Faults: the strip's mouse-down handler and the listed-procedure runner
// answer any run-time failure (theirs or the procedures') with "No pude
// ejecutar la instrucción."; the problem kinds, the procedure choice, the
// results buttons and the erasing of equations with "Error en el comando.";
// the layout and reset procedures skip a failing step and go on.
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "motion/procedures.h"
#include "platform/celltyping.h"
#include "runtime/variant.h"
#include "shell/workspaces.h"

namespace plat {
class CommandButton;
class ComboBox;
class FlexGrid;
class Frame;
class Image;
class Label;
class Picture;
class Shape;
class TabStrip;
class TextBox;
}  // namespace plat

namespace motion {

// Pictures of imgProcs that other actions choose by name: setting up the
// equations, and applying them to a point.
inline constexpr int kSetUpPicture = 1;
inline constexpr int kPointPicture = 2;

// Controls of the panels, created by BuildPanels; each objectName is its
// name here ("txtAccel(2)" for array members).
struct Panel {
    // Table frame.
    plat::Frame* fraTable = nullptr;
    plat::FlexGrid* Gd2 = nullptr;
    plat::Picture* picAccel = nullptr;
    plat::CommandButton* cmdEraseTable = nullptr;
    std::array<plat::TextBox*, 4> txtAccel{};
    // Results frame.
    plat::Frame* fraRes = nullptr;
    std::array<plat::Label*, 8> lblRes{};
    std::array<plat::CommandButton*, 3> cmdPass{};
    plat::CommandButton* cmdCloseFrares = nullptr;
    // tabMrua page 0 "Configurar tabla".
    plat::TabStrip* tabMrua = nullptr;
    std::array<plat::CommandButton*, 4> cmdTable{};
    std::array<plat::Label*, 4> lblAs{};
    std::array<plat::CommandButton*, 3> cmdHelpTable{};
    // Page 1 "Aplicar ecuaciones".
    plat::Image* imgProcs = nullptr;
    plat::Shape* shpMrua = nullptr;
    plat::Picture* picArgs1 = nullptr;
    plat::CommandButton* cmdSeeEqns = nullptr;
    plat::CommandButton* cmdEraseEqns = nullptr;
    plat::CommandButton* cmdNewMruaProbl = nullptr;
    // Page 2 "Otros procedimientos".
    plat::ComboBox* cboProcs = nullptr;
    plat::TextBox* txtProcs = nullptr;
    plat::CommandButton* cmdProcs = nullptr;
    plat::Picture* picArgs2 = nullptr;
};

class Motion : public shell::MotionServices, public WorkspaceUi {
public:
    Motion();
    ~Motion() override;

    // The workspace built last (the one of the main window).
    static Motion* Instance();

    // ---- services of the main window
    void BuildPanels(shell::Form1& form) override;
    void ArrangeGd2(int colWidth, shell::WorkspaceId mode) override;
    void AdaptCtrls(shell::WorkspaceId mode) override;
    void FillMruaCbo(shell::WorkspaceId mode) override;
    void ShowPic1(bool show) override;
    void InitMruaEqnLinePositions() override;
    bool HasProblem() const override;
    bool ConfirmNewProblem() override;

    // ---- callbacks of the procedures
    shell::Form1& Form() override { return *form_; }
    plat::FlexGrid& Gd2() override;
    void ShowMruaResults(int body, int segment, int solution) override;
    void EnableSecondSolution(bool enabled) override;
    void SetTxtAccel(int mode, int segment, const rt::Variant& text) override;
    void FocusGd2OnCol(int col) override;

    // The procedures dispatched to; tests may replace them.
    RectilinearProcedures& Rect() { return *rect_; }
    ProjectileProcedures& Parab() { return *parab_; }
    void SetProcedures(std::unique_ptr<RectilinearProcedures> rect, std::unique_ptr<ProjectileProcedures> parab);

    // ---- motion table
    void SetGd2CellBackColor(int col, bool grey);
    void EraseGd2Table();
    void cmdEraseTable_Click();
    void Gd2_KeyPress(int& keyAscii);
    void Gd2_KeyDown(int& keyCode, int shift);
    void Gd2_KeyUp(int& keyCode, int shift);
    void Gd2_DblClick();
    void Gd2_EnterCell();
    // x, y in twips from the table's top-left corner.
    void Gd2_MouseDown(int button, int shift, double x, double y);
    // Writes (q, p): the store gets v, the cell its text (a number rounded
    // to Decimals).
    void SetPointCell(int q, int p, const rt::Variant& v);
    // True when every cell of `body`'s columns can be read: empty, a number,
    // or a relational datum of its quantity. Otherwise the user is told
    // which cell (quantity and point) cannot be read, and it gives false. A
    // body outside 1..2 gives true and is left to the procedure's own
    // checks.
    bool CellsReadable(int body);

    // ---- strip drawing
    void ResetPointsStrip(shell::WorkspaceId mode);
    void DrawStripPointMarks();
    void PrintStripPointNumbers();
    void RedrawAccelStrip();
    void DrawStripSegmentBar(int first, int last, int mode, int colourIndex);
    // Bracket over table columns a..b.
    void DrawSegmentBracket(int a, int b);
    // Shows txtAccel(index) over table columns a..b.
    void PlaceTxtAccel(int index, int a, int b);

    // ---- problem kinds and new problems
    void cmdTable_Click(int index);
    void NewMRUAproblem();
    void NewPARABproblem();
    void txtAccel_Change(int index);
    void txtAccel_KeyPress(int index, int& keyAscii);
    void cmdNewMruaProbl_Click();

    // ---- procedure catalogue
    void cboProcs_Click();
    void tabMrua_Click(int previousTab);
    void picArgs1_Paint();
    void picArgs2_Paint();
    void txtProcs_GotFocus();
    void txtProcs_KeyPress(int& keyAscii);
    // Picture 1..5 under the highlight shpMrua.
    int ChosenPicture() const;
    // Puts the highlight on picture n (1..5; others are ignored) and arms
    // its procedure, as a click on that picture does.
    void ChoosePicture(int n) override;
    // A click on imgProcs chooses the picture under it (x in twips).
    void imgProcs_MouseDown(int button, int shift, double x, double y);

    // ---- results frame and pictures
    void cmdPass_Click(int index);
    void cmdCloseFrares_Click();
    void cmdSeeEqns_Click();
    void cmdEraseEqns_Click();

    // ---- strip clicks
    void picAccel_MouseDown(int button, int shift, double x, double y);
    void picAccel_MouseUp(int button, int shift, double x, double y);
    void DefineSegmentAtX(double x);
    // Problem kind 0 (awaiting its configuration): one body over the whole
    // table, one segment, as the other kinds get by clicks in the grey space.
    void SetUpOneBody();
    // Ends body 1's last segment at its last point, as a segment-limit click
    // over that point does.
    void EndLastSegment();

    // ---- listed-procedure runner
    void cmdProcs_Click();

    const Panel& panel() const { return panel_; }

private:
    void BuildTableFrame(shell::Form1& form);
    void BuildTabs(shell::Form1& form);
    void StripMouseDown(int button, int shift, double x, double y);
    void GreySpaceRect(int col, double x);
    void GreySpaceParab(int col);
    // The grey-space press that separates the bodies at column col (kind 0:
    // one body); true when it was all the press had to do.
    bool SplitBodiesRect(int col);
    bool SplitBodiesParab(int col);
    // A grey-space press at x while segment limits are awaited.
    void SegmentLimitAt(double x);
    void SwitchVelocityMode(int col);
    void LabelClickRect(int shift, double x);
    void LabelClickParab(int shift, double x);
    void ArmRectProcedure(int code);
    void ArmListedProcedure(int index, bool fromPageChange);
    void RunListedRect(const std::string& text);
    void RunListedParab(const std::string& text);
    void EquationsThroughThreePoints(const std::string& text);
    void LaunchFromThreePoints(const std::string& text);
    void LaunchFromRangeHeight(const std::string& text);
    void LaunchFromFlightRange(const std::string& text);
    void PutLaunchVelocity(int c0, const rt::Variant& t0, const rt::Variant& x0, const rt::Variant& y0, double v0,
                           double theta0);
    void SetStripPointer(int pointer);
    // Runs one procedure (a point label's click, the listed-procedure
    // button) and answers its run-time failure with "No pude ejecutar la
    // instrucción.". When it fails so, or refuses with a box, without
    // writing to the result pane, the pane is emptied: what it showed
    // answered other data.
    void RunProcedure(const std::function<void()>& run);
    // "x del punto 2" (with the body when there are two) for cell (q, col).
    std::string CellName(int q, int col) const;
    void RefuseCell(int q, int col, const std::string& text);
    // The acceleration box of (body, segment) is empty or holds a number;
    // otherwise the user is told which box cannot be read, and it gives
    // false.
    bool AccelReadable(int body, int segment);
    // The current cell is being typed into: the edit under way is kept on,
    // or one begins here.
    void BeginEdit();

    shell::Form1* form_ = nullptr;
    Panel panel_;
    // The column where the last strip press began a drag (0: none), so that
    // only a release ending a drag of its own drops a column.
    int dragColumn_ = 0;
    // Writes to the result pane so far (RunProcedure compares).
    long long paneWrites_ = 0;
    // What typing does to the table's current cell.
    plat::CellTyping typing_;
    // The edit under way in the current cell, so that a key the cell
    // refuses takes the whole edit back rather than leave part of a number:
    // the cell, what it showed and stored before the first key, and what
    // the keys have made of it since (the edit is over once anything else
    // writes the cell).
    struct Edit {
        int q = 0, p = 0;
        rt::Variant stored;
        QString shownBefore;
        QString shown;
    };
    std::optional<Edit> edit_;
    std::unique_ptr<RectilinearProcedures> rect_;
    std::unique_ptr<ProjectileProcedures> parab_;
};

std::unique_ptr<shell::MotionServices> MakeMotion();

}  // namespace motion
