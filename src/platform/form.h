#pragma once
// The game's windows: their base class, and how a window joins the program.
//
// A window is a class named as in the game's design (Form43), in the windows/
// folder of its subsystem. It builds its controls in its constructor at the
// design's twips, under the design's names (Command1, Label2[1]), declares
// its habits in FormTraits, and registers itself in its .cpp. No list
// anywhere else names it:
//
//   class Form43 : public platform::Form {
//    public:
//     Form43() : Form({.removeCloseItem = true, .pauseClock = true, .resumeRequestOnUnload = true}) {
//       platform::SetFixedClientSize(this, 4920, 1335);
//       Command1 = new QPushButton(QStringLiteral("はい(&Y)"), this);
//       platform::Place(Command1, 1560, 855, 900, 330);
//       connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
//     }
//     QPushButton* Command1;
//
//    protected:
//     void Form_Load() override { /* read State().FormSlot[form::kMediaOffer].Param ... */ }
//
//    private:
//     void Command1_Click() { /* ... */ Unload(); }
//   };
//
//   namespace {
//   const bool registered = platform::RegisterForm<Form43>(form::kMediaOffer);
//   }
//
// Its number is its constant in the window index (ui/forms.h), the one place
// a window number is written.
//
// Rules open a window through the ui seam, after setting its FormSlot values:
//   g.FormSlot[form::kMediaOffer].Param = work;
//   ui::Show(form::kMediaOffer, ui::Modal);  // returns when the window has closed
// Windows reach each other through Forms(): Forms().Find<Form4>(form::kInfoPanel); the main
// window is MDIForm1::Instance(). A child window (.kind = FormKind::Child)
// shows inside the main window; its frame there is Frame().
//
// Loading (the first show, or Forms().Load) creates the window and runs, in
// this order: the centring, FormOpen = 1, PauseClock, then Form_Load.
// Unloading (Unload(), ui::Unload, or the close box where the window keeps
// it) runs Form_Unload, then FormOpen = 0, ResumeClock and ResumeRequest = 1
// as declared, and disposes of the window: the next show loads a fresh one.
// A handler may unload its own window and go on to its end.
//
// Window tests play the player's part in modal windows with ModalScript
// (tests/qtsupport/window_testing.h).

#include <array>
#include <functional>
#include <string_view>
#include <typeinfo>
#include <vector>

#include <QDialog>
#include <QPointer>

#include "ui/ui.h"

class QMdiArea;
class QMdiSubWindow;
class QTimer;

namespace koratsu::platform {

enum class FormKind {
  Dialog,  // in front of the main window; modal when shown so, which most are
  Owned,   // a modeless window owned by the main window, always in front of it
  Child,   // a child window inside the main window's client area
};

struct FormTraits {
  FormKind kind = FormKind::Dialog;
  bool centre = true;                  // a dialog centres itself over the main window on load
  bool removeCloseItem = false;        // no close box: Esc, Alt+F4 and the desktop cannot close it
  bool pauseClock = false;             // PauseClock on load, ResumeClock on unload
  bool resumeClockOnUnload = false;    // ResumeClock on unload only
  bool resumeRequestOnUnload = false;  // ResumeRequest = 1 on unload: the main window comes back to the front
  bool trackOpen = false;              // FormOpen(N) is 1 while the window is loaded
  bool servesRefresh = false;          // every 100 ms: FormRebuild(N) → Rebuild(), FormRedraw(N) → Redraw()
};

// A public method of a window that rules name through ui::CallForm.
struct FormMethod {
  std::string_view name;  // "GraphicChange"
  std::function<void()> run;
};
using FormMethods = std::vector<FormMethod>;

// Runs the method of `methods` named `name`; false when there is none.
bool CallMethod(const FormMethods& methods, std::string_view name);

class Form : public QDialog {
 public:
  // The window's number, its constant in the window index.
  int Number() const { return number_; }
  const FormTraits& Traits() const { return traits_; }
  bool Loaded() const;

  // The window as the desktop handles it: the MDI frame of a child window
  // (once it is loaded into the main window), otherwise the window itself.
  QWidget* Frame();
  QMdiSubWindow* SubWindow() const { return subWindow_; }

  // Closes the window, running its Form_Unload.
  void Unload();

  // The public methods that rules name through ui::CallForm ("GraphicChange").
  virtual FormMethods Methods() { return {}; }
  // Runs one of them; false when the window has no method of that name.
  bool Call(std::string_view method) { return CallMethod(Methods(), method); }

  // Serves the refresh requests raised for this window: FormRebuild first
  // (it raises FormRedraw), then FormRedraw.
  void ServeRefreshRequests();

  // Esc does nothing in the game's dialogs; QDialog's reject would close them.
  void reject() override {}

 protected:
  explicit Form(const FormTraits& traits);

  virtual void Form_Load() {}
  virtual void Form_Unload() {}
  virtual void Rebuild() {}
  virtual void Redraw() {}
  // The close box, where the window keeps it: the same as its cancel
  // button. By default the window unloads.
  virtual void CloseBoxPressed();

  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  friend class FormHost;

  FormTraits traits_;
  int number_ = 0;
  bool unloading_ = false;
  bool shown_ = false;
  int execDepth_ = 0;
  QMdiSubWindow* subWindow_ = nullptr;
  QTimer* refreshTimer_ = nullptr;
};

// Every window of the program, by number: loads them on first use, shows
// them modal, modeless or as MDI children, unloads them.
class FormHost {
 public:
  static constexpr int kMaxForm = 128;

  // The main window owns the dialogs and holds the child windows in `area`.
  void SetMainWindow(QWidget* main, QMdiArea* area);

  bool Registered(int form) const;
  // Window `form`, loaded now if it was not (its Form_Load runs). nullptr
  // when no window class is registered under that number: that is logged
  // once ("missing") and nothing else happens.
  Form* Load(int form);
  template <class T>
  T* Load(int form) {
    return dynamic_cast<T*>(Load(form));
  }
  // The loaded window `form`, or nullptr.
  Form* Find(int form) const;
  template <class T>
  T* Find(int form) const {
    return dynamic_cast<T*>(Find(form));
  }
  bool IsLoaded(int form) const { return Find(form) != nullptr; }

  // ui::Modal returns when the window has closed; ui::Modeless shows it (a
  // child window inside the main window) and returns at once. Showing a
  // window that is already shown brings it forward.
  void Show(int form, int mode);
  void Unload(int form);
  // Unloads every loaded window (the end of a test, the end of the program).
  void UnloadAll();
  // A public method of loaded window `form`; logged when there is none.
  void Call(int form, std::string_view method);

 private:
  void Attach(Form* form);
  void ShowModeless(Form* form);
  void Dispose(Form* form);
  // The child window to bring forward when `closing`, the active one,
  // closes; nullptr when it is not the active one or none is left.
  QMdiSubWindow* PreviouslyActive(QMdiSubWindow* closing) const;

  std::array<QPointer<Form>, kMaxForm + 1> loaded_{};
  QPointer<QWidget> main_;
  QPointer<QMdiArea> area_;
};

FormHost& Forms();

// Registers class `type` as window `form`, made by `make` at each load. A
// number already taken, or out of range, is refused (false) and logged.
bool RegisterFormClass(int form, const std::type_info& type, std::function<Form*()> make);

template <class T>
bool RegisterForm(int form) {
  return RegisterFormClass(form, typeid(T), [] { return new T; });
}

// Every registration asked for, the refused ones too, in the order asked:
// what the window index is checked against.
struct FormRegistration {
  int form;
  const std::type_info* type;
  bool accepted;
};
const std::vector<FormRegistration>& Registrations();

}  // namespace koratsu::platform
