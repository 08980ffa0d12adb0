#include "form_fixture.h"

#include "exclusion_rules.h"
#include "registry_layout.h"

namespace vornal::test {

void FormFixture::SetUp() {
  env.instance = GetModuleHandleA(nullptr);
  env.registryRoot = reg.Root();
  env.programPath = "C:\\Tests\\Vornal.exe";
  env.libraryPath = BesideThisProgram("no-such-library.dll");
  env.os = {2, 5, 1};
  env.showError = [this](HWND, const char* text) { errors.emplace_back(text); };
  env.confirm = [this](HWND, const char*) {
    ++confirmations;
    return answerConfirm;
  };
  env.controlChanged = [this](int id) { changes.push_back(id); };
  env.notifyIcon = [this](DWORD message, NOTIFYICONDATAA& record) {
    trayCalls.push_back({message, record.szTip, record.hIcon});
    return true;
  };
}

void FormFixture::TearDown() {
  if (form != nullptr) {
    form->RestoreOnExit();
    form.reset();
  }
  PumpAndSawQuit();
}

void FormFixture::StartForm() {
  form = std::make_unique<FormMain>(env);
  ASSERT_TRUE(form->Create());
}

void FormFixture::MarkDefaultExclusionsAdded() {
  reg.SetDword(kSettingsKeyPath, kDefaultExclusionsValueName, kDefaultExclusionsVersion);
}

bool FormFixture::IsChecked(int id) const {
  return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::string FormFixture::Text(int id) const {
  char text[1024] = {};
  GetWindowTextA(Control(id), text, sizeof text);
  return text;
}

void FormFixture::Type(int id, const std::string& text) {
  SetWindowTextA(Control(id), text.c_str());
}

void FormFixture::Click(int id) { SendMessageA(Control(id), BM_CLICK, 0, 0); }

void FormFixture::Command(int id) {
  SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

bool FormFixture::MenuChecked(int id) const {
  return (GetMenuState(form->PopupMenu(), static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

bool FormFixture::PumpAndSawQuit() {
  bool quit = false;
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      quit = true;
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return quit;
}

}  // namespace vornal::test
