#include "engine/command_line.h"

#include <cstring>

#include "engine/ascii_case.h"
#include "engine/catalogue.h"

namespace {

using Argument = FixedText<2047>;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The arguments of a command line one by one, split by the rules of the C runtime of
// Windows: blanks separate arguments except inside double quotes; 2n backslashes before a
// double quote give n backslashes and the quote opens or closes a quoted part, 2n+1 give n
// and a literal quote; inside a quoted part two double quotes give one; other backslashes
// are themselves. The program's name comes first and is passed over: it ends at the next
// blank, or when quoted at the closing quote, and its backslashes are path separators.
class ArgumentReader {
public:
    explicit ArgumentReader(const char* commandLine) : m_p(commandLine) {
        if (*m_p == '"') {
            ++m_p;
            while (*m_p && *m_p != '"') ++m_p;
            if (*m_p) ++m_p;
        }
        while (*m_p && !IsBlank(*m_p)) ++m_p;
    }

    // The next argument; false when there is none.
    bool Next(Argument& argument) {
        while (IsBlank(*m_p)) ++m_p;
        if (!*m_p) return false;
        argument = Argument();
        bool quoted = false;
        while (*m_p && (quoted || !IsBlank(*m_p))) {
            size_t backslashes = 0;
            while (*m_p == '\\') {
                ++backslashes;
                ++m_p;
            }
            if (*m_p != '"') {
                for (size_t i = 0; i < backslashes; ++i) argument.Append('\\');
                if (*m_p && (quoted || !IsBlank(*m_p))) argument.Append(*m_p++);
                continue;
            }
            for (size_t i = 0; i < backslashes / 2; ++i) argument.Append('\\');
            if (backslashes % 2) {
                argument.Append('"');
            } else if (quoted && m_p[1] == '"') {
                argument.Append('"');
                ++m_p;
            } else {
                quoted = !quoted;
            }
            ++m_p;
        }
        return true;
    }

private:
    const char* m_p;
};

enum Option { kHelp, kQuiet, kUninstall, kDefault, kModel, kPort, kBaud, kParity, kByteSize,
              kStopBits, kFlow, kLog, kOptionCount };

struct KnownOption {
    const char* name;
    bool takesValue;
};

const KnownOption kOptions[kOptionCount] = {
    {"?", false},        {"quiet", false},  {"uninstall", false}, {"default", false},
    {"model", true},     {"port", true},    {"baud", true},       {"parity", true},
    {"bytesize", true},  {"stopbits", true}, {"flow", true},      {"log", true},
};

// The options that choose what page 2 shows; the serial ones apply only to a COM port.
const Option kChoiceOptions[] = {kPort, kDefault, kBaud, kParity, kByteSize, kStopBits, kFlow};
const Option kSerialOptions[] = {kBaud, kParity, kByteSize, kStopBits, kFlow};

// The value of a choice is an item of its list; the row is its position.
struct ValueList {
    const char* const* items;
    size_t count;
    size_t ignoredTail;  // characters at the end of each item that the list does not show
};

const char* const kModelNames[kModelCount] = {
    ModelTable[0].driverName, ModelTable[1].driverName, ModelTable[2].driverName,
    ModelTable[3].driverName, ModelTable[4].driverName, ModelTable[5].driverName,
    ModelTable[6].driverName, ModelTable[7].driverName};

ValueList ValuesOf(Option option) {
    switch (option) {
    case kModel: return {kModelNames, kModelCount, 0};
    case kPort: return {PortTable, kPortCount, 1};  // the colon
    case kBaud: return {BaudRateTable, kBaudRateCount, 0};
    case kParity: return {ParityItems, kParityCount, 0};
    case kByteSize: return {ByteSizeTable, kByteSizeCount, 0};
    case kStopBits: return {StopBitsTable, kStopBitsCount, 0};
    default: return {FlowControlItems, kFlowControlCount, 0};
    }
}

long RowOf(const ValueList& list, const char* value) {
    const size_t length = std::strlen(value);
    for (size_t row = 0; row < list.count; ++row) {
        const size_t shown = std::strlen(list.items[row]) - list.ignoredTail;
        if (shown == length && EqualsIgnoringCase(value, list.items[row], length))
            return static_cast<long>(row);
    }
    return -1;
}

void SetRow(PageChoices& choices, Option option, long row) {
    switch (option) {
    case kModel: choices.modelRow = row; choices.modelChosen = true; break;
    case kPort: choices.portRow = row; break;
    case kBaud: choices.baudRateRow = row; break;
    case kParity: choices.parityRow = row; break;
    case kByteSize: choices.byteSizeRow = row; break;
    case kStopBits: choices.stopBitsRow = row; break;
    default: choices.flowControlRow = row; break;
    }
}

class Reader {
public:
    explicit Reader(SetupOptions& options) : m_options(options) {}

    void Take(const Argument& argument) {
        const char* text = argument.c_str();
        if (text[0] != '/' && text[0] != '-') {
            Problem("\"%s\" is not an option; options start with / or -", text);
            return;
        }
        const char* name = text + 1;
        const char* equals = std::strchr(name, '=');
        const size_t nameLength = equals ? static_cast<size_t>(equals - name) : std::strlen(name);
        const char* value = equals ? equals + 1 : nullptr;

        int option = 0;
        while (option < kOptionCount &&
               !(std::strlen(kOptions[option].name) == nameLength &&
                 EqualsIgnoringCase(name, kOptions[option].name, nameLength)))
            ++option;
        if (option == kOptionCount) {
            FixedText<2047> written;
            written.Append(text, nameLength + 1);
            Problem("unknown option \"%s\"", written.c_str());
            return;
        }
        const KnownOption& known = kOptions[option];
        const bool first = !m_given[option];
        m_given[option] = true;
        if (option == kQuiet) m_options.quiet = true;
        if (!first) {
            Problem("/%s is given more than once", known.name);
            return;
        }
        if (!known.takesValue) {
            if (value) Problem("/%s takes no value", known.name);
            return;
        }
        if (!value || !*value) {
            Problem("/%s needs a value: /%s=...", known.name, known.name);
            return;
        }
        if (option == kLog) {
            m_options.logFile.Append(value);
            if (!m_options.logFile.complete()) {
                m_options.logFile = LogFileName();
                Problem("the name of the log file is too long");
            }
            return;
        }
        const ValueList list = ValuesOf(static_cast<Option>(option));
        const long row = RowOf(list, value);
        if (row < 0) {
            Problem("\"%s\" is not a value of /%s", value, known.name);
            return;
        }
        SetRow(m_options.choices, static_cast<Option>(option), row);
    }

    // What the options ask for together.
    void Finish() {
        if (m_given[kDefault]) m_options.choices.setDefault = true;
        if (!m_options.problem.empty()) return;
        if (m_given[kHelp]) {
            for (int option = 0; option < kOptionCount; ++option)
                if (option != kHelp && m_given[option]) return Problem("/? goes alone");
            m_options.mode = SetupMode::Usage;
            return;
        }
        if (m_given[kUninstall]) {
            for (Option option : kChoiceOptions)
                if (m_given[option])
                    return Problem("/%s does not go with /uninstall", kOptions[option].name);
            if (!m_given[kModel]) return Problem("/uninstall needs /model");
            m_options.mode = SetupMode::Uninstall;
            return;
        }
        if (m_given[kQuiet] && !m_given[kModel]) return Problem("/quiet needs /model");
        if (!m_given[kModel])
            for (Option option : kChoiceOptions)
                if (m_given[option])
                    return Problem("/%s needs /model", kOptions[option].name);
        if (!IsSerialPortRow(m_options.choices.portRow))
            for (Option option : kSerialOptions)
                if (m_given[option])
                    return Problem("/%s applies only to a COM port", kOptions[option].name);
        m_options.mode = m_given[kQuiet] ? SetupMode::Quiet : SetupMode::Wizard;
    }

    template <class... Texts>
    void Problem(const char* format, Texts... texts) {
        if (m_options.problem.empty()) m_options.problem.AppendFormatted(format, texts...);
    }

private:
    SetupOptions& m_options;
    bool m_given[kOptionCount] = {};
};

}  // namespace

SetupOptions ReadCommandLine(const char* commandLine) {
    SetupOptions options;
    Reader reader(options);
    ArgumentReader arguments(commandLine);
    Argument argument;
    while (arguments.Next(argument)) {
        if (!argument.complete()) {
            reader.Problem("an argument is too long");
            continue;
        }
        reader.Take(argument);
    }
    reader.Finish();
    return options;
}
