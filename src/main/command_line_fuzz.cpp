// libFuzzer target: arbitrary command lines through the dispatcher, over
// arbitrary registry contents and failures, and arbitrary text through the
// error reporter. Any crash, overrun or undefined behaviour is a finding.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#include "command_line.h"
#include "console.h"
#include "standin_control.h"

namespace {

void ArrangePlatform(FuzzedDataProvider& input) {
    StandinReset();
    StandinConsoleState().attributes = input.ConsumeIntegral<WORD>();
    StandinConsoleState().readable = input.ConsumeBool();
    StandinConsoleState().accepts = input.ConsumeBool();
    if (input.ConsumeBool()) StandinSetEnvironment("PROMPT", input.ConsumeRandomLengthString(300));
    StandinPressKeys(input.ConsumeRandomLengthString(2));

    StandinProcessState().hasIsWow64Process = input.ConsumeBool();
    StandinProcessState().wow64 = input.ConsumeIntegral<BOOL>();
    StandinProcessState().writesAnswer = input.ConsumeBool();

    switch (input.ConsumeIntegralInRange(0, 2)) {
        case 0:
            break;
        case 1:
            StandinRemoveServerKey();
            break;
        default: {
            const DWORD type = input.ConsumeIntegral<DWORD>();
            const std::vector<BYTE> data = input.ConsumeBytes<BYTE>(input.ConsumeIntegralInRange(0, 16));
            StandinSetHidden({type, data});
        }
    }
    for (StandinCall call : {StandinCall::RegOpenKeyExA, StandinCall::RegQueryValueExA, StandinCall::RegSetValueExA,
                             StandinCall::RegCloseKey, StandinCall::IsWow64Process})
        if (input.ConsumeBool()) StandinFailCall(call, input.ConsumeIntegral<LONG>());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    ArrangePlatform(input);

    const std::string message = input.ConsumeRandomLengthString(8192);
    PrintError("%s", message.c_str());

    std::vector<std::string> arguments;
    const int count = input.ConsumeIntegralInRange(0, 6);
    for (int i = 0; i < count; ++i) arguments.push_back(input.ConsumeRandomLengthString(5000));
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    RunCommandLine(count, argv.data());

    // Whatever happened, every key that was opened has been closed, once.
    int opened = 0;
    for (const RegistryOpen& open : StandinOpens()) opened += open.status == ERROR_SUCCESS;
    if (StandinCloses() != opened) __builtin_trap();
    return 0;
}
