#include "data/RunFile.h"

#include <sstream>

#include "data/ReplaceFile.h"
#include "data/TextLines.h"

namespace Orvex
{
namespace
{
const std::string magic = "TumboWuffinRun";
const char keyLetters[] = {'L', 'R', 'S'}; // RunKeys bits 0, 1, 2

bool AllDigits(const std::string& text)
{
    if (text.empty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// Decimal digits only, no sign, no blanks; false when empty or above limit.
bool ParseWhole(const std::string& text, std::uint64_t limit, std::uint64_t& value)
{
    if (!AllDigits(text))
        return false;
    value = 0;
    for (char c : text)
    {
        const std::uint64_t digit = static_cast<std::uint64_t>(c - '0');
        if (digit > limit || value > (limit - digit) / 10)
            return false;
        value = value * 10 + digit;
    }
    return true;
}

class RunParser
{
public:
    RunParser(const std::string& text, const std::string& fileName) : lines(text, fileName) {}

    RecordedRun Parse()
    {
        RecordedRun run;
        ReadHeader(run);
        std::string line;
        while (lines.Next(line))
            if (!line.empty())
                ReadGroup(line, run);
        return run;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const { lines.Fail(what); }
    std::string HeaderLine(const std::string& expected) { return lines.Header(expected); }

    void ReadHeader(RecordedRun& run)
    {
        const std::string first = HeaderLine("its first line, \"" + magic + " 1\"");
        const std::string current = magic + " " + std::to_string(RecordedRun::formatVersion);
        if (first != current)
        {
            if (first.compare(0, magic.size() + 1, magic + " ") == 0)
                Fail("run format version " + QuotedLine(first.substr(magic.size() + 1)) +
                     " is not one this game reads (it reads " + current + ")");
            Fail("not a recorded run: the first line is " + QuotedLine(first) + ", not \"" + current +
                 "\"");
        }
        const std::string level = HeaderLine("the level (\"Level=<level name>\")");
        if (level.compare(0, 6, "Level=") != 0 || level.size() == 6)
            Fail("expected the level, \"Level=<level name>\", not " + QuotedLine(level));
        run.level = level.substr(6);
        if (HasControl(run.level))
            Fail("the level name holds a control character");
        const std::string seed = HeaderLine("the seed (\"Seed=<whole number>\")");
        if (seed.compare(0, 5, "Seed=") != 0 || !ParseWhole(seed.substr(5), UINT64_MAX, run.seed))
            Fail("expected the seed, \"Seed=<whole number from 0 to 18446744073709551615>\", not " +
                 QuotedLine(seed));
    }

    std::uint8_t Keys(const std::string& letters) const
    {
        if (letters == "-")
            return 0;
        std::uint8_t keys = 0;
        for (char letter : letters)
        {
            std::uint8_t bit = 0;
            for (unsigned i = 0; i < sizeof keyLetters; ++i)
                if (keyLetters[i] == letter)
                    bit = static_cast<std::uint8_t>(1u << i);
            if (bit == 0)
                Fail("unknown key " + QuotedLine(std::string(1, letter)) +
                     " (the keys are L, R and S, or - for none)");
            if (keys & bit)
                Fail("the key " + std::string(1, letter) + " is given twice");
            keys |= bit;
        }
        return keys;
    }

    void ReadGroup(const std::string& line, RecordedRun& run) const
    {
        const std::size_t blank = line.find(' ');
        std::uint64_t count = 0;
        if (blank == std::string::npos || blank + 1 == line.size() ||
            !AllDigits(line.substr(0, blank)))
            Fail("expected a step count and the keys held, as in \"12 LR\", not " + QuotedLine(line));
        const std::size_t left = RecordedRun::maxSteps - run.keys.size();
        if (!ParseWhole(line.substr(0, blank), left, count))
            Fail("the run is longer than an hour at 60 steps a second (" +
                 std::to_string(RecordedRun::maxSteps) + " steps)");
        if (count == 0)
            Fail("a step count of 0 in " + QuotedLine(line));
        run.keys.insert(run.keys.end(), count, Keys(line.substr(blank + 1)));
    }

    TextLines lines;
};

std::string Letters(std::uint8_t keys)
{
    std::string letters;
    for (unsigned i = 0; i < sizeof keyLetters; ++i)
        if (keys & (1u << i))
            letters += keyLetters[i];
    return letters.empty() ? "-" : letters;
}
} // namespace

RecordedRun ParseRun(const std::string& text, const std::string& fileName)
{
    return RunParser(text, fileName).Parse();
}

RecordedRun ReadRun(const std::string& path)
{
    return ParseRun(ReadTextFile(path, "run file"), path);
}

std::string RunText(const RecordedRun& run)
{
    std::ostringstream out;
    out << magic << ' ' << RecordedRun::formatVersion << "\nLevel=" << run.level
        << "\nSeed=" << run.seed << '\n';
    for (std::size_t i = 0; i < run.keys.size();)
    {
        std::size_t end = i;
        while (end < run.keys.size() && run.keys[end] == run.keys[i])
            ++end;
        out << end - i << ' ' << Letters(run.keys[i] & RunKeys::All) << '\n';
        i = end;
    }
    return out.str();
}

void WriteRun(const std::string& path, const RecordedRun& run)
{
    ReplaceFile(path, RunText(run), "run file");
}
} // namespace Orvex
