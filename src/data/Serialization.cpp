#include "data/Serialization.h"

#include <locale>

namespace Orvex
{
namespace
{
struct SerialState
{
    // A stream without a buffer: writes to it do nothing.
    std::ostream discard{nullptr};
    std::ostream* out = &discard;
    int indentation = 0;
};

// Created on first use, so writers running during static start-up find it ready.
SerialState& State()
{
    static SerialState state;
    return state;
}
} // namespace

namespace Serial
{
std::ostream& Out()
{
    return *State().out;
}

int Indentation()
{
    return State().indentation;
}

void SetIndentation(int spaces)
{
    State().indentation = spaces;
}

void Write(const std::string& text)
{
    Out() << text;
}

void WriteLine(const std::string& key, const std::string& value)
{
    const int spaces = Indentation() > 0 ? Indentation() : 0;
    Out() << std::string(static_cast<std::size_t>(spaces), ' ') << key << '=' << value << '\n';
}
} // namespace Serial

SerialOutput::SerialOutput()
    : previous(State().out), previousIndentation(State().indentation)
{
    buffer.imbue(std::locale::classic());
    State().out = &buffer;
}

SerialOutput::~SerialOutput()
{
    State().out = previous;
    State().indentation = previousIndentation;
}
} // namespace Orvex
