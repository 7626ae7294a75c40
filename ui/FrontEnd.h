#pragma once

#include <functional>
#include <string>

#include "functions/Faithful.h"
#include "functions/MathEngine.h"
#include "ui/DeferredToolkit.h"
#include "ui/toolkit/Toolkit.h"

namespace tesselon {

struct ControlRow;

// Control numbers the handlers name.
namespace control {
inline constexpr int OperandX = 10;
inline constexpr int OperandY = 11;
inline constexpr int ResultField = 12;
inline constexpr int OperationLabel = 90;
}  // namespace control

inline constexpr Rgb ActiveGreen{150, 255, 150};
inline constexpr Rgb InactiveWhite{255, 255, 255};
inline constexpr Rgb ResultYellow{255, 255, 200};

// The front end's own registers. With the engine's registers they are the
// state a key puts back when its computation is cancelled.
struct EntryState {
  int ActiveOperand = 0;
  int PointTypedX = 0;
  int PointTypedY = 0;
  int NegativeInput = 0;
  int PowerSign = 0;
};

// The state a key may change, as it was before the key (ui/KeyGuard.h). It
// lives from key to key, so that taking it copies the texts into the room
// they had the key before.
struct StateBefore {
  MathEngine engine;
  EntryState entry;
  std::string label;
};

// The calculator front end: start-up, the event loop and one handler per key,
// written against the Toolkit interface only. Between two events the text of
// Operand X lives in the engine's RegA and that of Operand Y in RegB.
//
// Handlers are grouped by file: ui/EntryKeys.cpp (digits, point, sign,
// Clear), ui/OperationKeys.cpp (+ - x / =, X^ Y), ui/PowerOperation.cpp (the
// power operation of "="), ui/ElementaryKeys.cpp (Log ... e^ X),
// ui/TrigKeys.cpp (Sin ... Area Coth), ui/MemoryKeys.cpp (memory, register,
// constant, Deg, Res Hex/Bin keys), ui/ResultDisplay.cpp (ShowResult).
class FrontEnd : private EntryState {
 public:
  FrontEnd(Toolkit& toolkit, MathEngine& engine);

  // Start-up: window, frames, fields, keys, label, focus on Operand X.
  // False when the window cannot be opened.
  bool start();
  // The event loop, until the window's close request.
  void run();
  // One event: a change re-reads both fields, a focus event sets the active
  // operand, then the control's handler runs (see runKey).
  void handle(const Event& event);

  int activeOperand() const { return ActiveOperand; }
  MathEngine& engine() { return e; }
  // Whether the last key was cancelled, its registers put back.
  bool lastKeyCancelled() const { return lastKeyEnd == KeyEnd::Cancelled; }

  using KeyHandler = void (FrontEnd::*)(int control);

  // --- Key handlers, by the key they serve; each takes its control number ---
  void PressDigit(int control);
  void PressPoint(int control);
  void PressSign(int control);
  void PressClear(int control);
  void PressOperation(int control);
  void PressEquals(int control);
  void PressPowerKey(int control);

  void PressLog(int control);
  void PressLn(int control);
  void PressFactorial(int control);
  void PressReciprocal(int control);
  void PressSquare(int control);
  void PressCube(int control);
  void PressSquareRoot(int control);
  void PressCubeRoot(int control);
  void PressExp(int control);

  void PressSin(int control);
  void PressCos(int control);
  void PressTan(int control);
  void PressCot(int control);
  void PressArcSin(int control);
  void PressArcCos(int control);
  void PressArcTan(int control);
  void PressArcCot(int control);
  void PressSinh(int control);
  void PressCosh(int control);
  void PressTanh(int control);
  void PressCoth(int control);
  void PressAreaSinh(int control);
  void PressAreaCosh(int control);
  void PressAreaTanh(int control);
  void PressAreaCoth(int control);

  void PressResHex(int control);
  void PressResBin(int control);
  void PressDeg(int control);
  void PressExchange(int control);
  void PressResultToX(int control);
  void PressResultToY(int control);
  void PressMemoryClear(int control);
  void PressMemoryRecall(int control);
  void PressMemoryStore(int control);
  void PressMemoryAdd(int control);
  void PressConstant(int control);

 private:
  // Display side of showing RegC: the engine forms the text, the Result field
  // shows it, Operand X gets the focus back.
  void ShowResult();
  // ShowResult for a result the steps approximate: the text is cut to the
  // digits that are true of `function` at the operands as typed. Where that
  // leaves only the message, `instead` may put another text of the same
  // function into RegC (false where it has none), which is checked and shown
  // in its place.
  void ShowChecked(ExactFunction function, const std::function<bool()>& instead = {});
  // RegC and LastResult cut to the digits that are true of `function`.
  void keepTrueDigits(ExactFunction function);
  // The answer of a function key: RegC = text, then ShowResult.
  void Answer(std::string text);
  // Write the active operand's register back to its field, caret to the end,
  // focus to the field.
  void writeBackActive();
  void markActive(int operand);
  void setOperationLabel(const std::string& text);
  // Runs "=" from its first step (also entered by M+).
  void evaluate();
  void powerOperation();
  // Writes the angle text a trigonometric function left into Operand Y.
  void showAngle();

  // The display side of ShowResult, for answers whose text the engine has
  // already formed.
  void displayResult();
  void createControl(const ControlRow& row);
  // Change event: both fields into RegA and RegB.
  void readOperands();
  // Focus event: the focused operand field becomes the active operand.
  void followFocus();
  // The operand's field light green, the other one white.
  void colourActive(int operand);
  // An operation key or the power key: the pending operation and its label,
  // input moves to Operand Y.
  bool canTakeOperation() const;
  void enterOperation(int opCode, const std::string& label);
  std::string& activeRegister();
  int activeField() const;

  // How a key's handler ended.
  enum class KeyEnd { Finished, Cancelled, Failed };
  // Runs a key's handler through the window toolkit's runWork, with the
  // handler's toolkit calls deferred until it has ended (ui/KeyGuard.h). A
  // cancelled key puts back the registers of before the key and drops its
  // calls; a key whose result would not fit in memory (ui/MemoryBound.h),
  // or that fails in any other way, even while its result goes into the
  // window, answers the message with the registers put back.
  void runKey(const ControlRow& key);
  KeyEnd pressCaught(const ControlRow& key);
  KeyEnd lastKeyEnd = KeyEnd::Finished;
  // False, with the key's label, when the key's result would not fit in
  // memory (ui/MemoryBound.cpp).
  bool keyFitsInMemory(KeyHandler press);
  // The texts a key is about to compute with, made ready for the engine (a
  // typed comma is the point, a leading point gets a "0" before it); false
  // when one of them is not a decimal number (ui/TypedOperands.cpp).
  bool operandsAreNumbers(const ControlRow& key);

  // The operand texts a key computes with, as the user gave them (after
  // operandsAreNumbers): the arguments of the exact function its result is
  // checked against.
  std::string typedX;
  std::string typedY;

  Toolkit& window;
  DeferredToolkit deferred{window};
  StateBefore before;
  // Every handler works through the deferred toolkit.
  Toolkit& tk = deferred;
  MathEngine& e;
};

}  // namespace tesselon
