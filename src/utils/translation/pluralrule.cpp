#include "utils/translation/pluralrule.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace translation {

// One step of the expression: a number, n, or an operator over one to three others.
struct PluralRule::Node {
    std::string op; // "num", "n", "!", "?:" or a binary operator's own spelling
    uint64_t number = 0;
    std::shared_ptr<const Node> a, b, c;
};

namespace {

using Node = PluralRule::Node;
using NodePtr = std::shared_ptr<const Node>;

// Deeper brackets, or a longer rule, than any language needs are taken for a broken rule.
constexpr int kDeepest = 40;
constexpr int kLongest = 400;

NodePtr Make(std::string op, NodePtr a = nullptr, NodePtr b = nullptr, NodePtr c = nullptr)
{
    auto node = std::make_shared<Node>();
    node->op = std::move(op);
    node->a = std::move(a);
    node->b = std::move(b);
    node->c = std::move(c);
    return node;
}

// Reads the expression by precedence, C's own; every Read returns null on a fault.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    NodePtr Whole()
    {
        if (text_.size() > kLongest)
            return nullptr;
        NodePtr node = Choice();
        Skip();
        return at_ == text_.size() ? node : nullptr;
    }

private:
    void Skip()
    {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_])))
            ++at_;
    }

    // Takes the token if it comes next (and not as the start of a longer one).
    bool Take(std::string_view token)
    {
        Skip();
        if (text_.substr(at_, token.size()) != token)
            return false;
        const char after = at_ + token.size() < text_.size() ? text_[at_ + token.size()] : '\0';
        if ((token == "<" || token == ">" || token == "!") && after == '=')
            return false;
        at_ += token.size();
        return true;
    }

    NodePtr Choice()
    {
        if (++depth_ > kDeepest)
            return nullptr;
        NodePtr test = Binary(0);
        if (test && Take("?")) {
            NodePtr yes = Choice();
            NodePtr no = yes && Take(":") ? Choice() : nullptr;
            test = no ? Make("?:", test, yes, no) : nullptr;
        }
        --depth_;
        return test;
    }

    // The binary operators, loosest first.
    NodePtr Binary(std::size_t level)
    {
        static const std::string_view kLevels[][4] = {
            {"||"}, {"&&"}, {"==", "!="}, {"<=", ">=", "<", ">"}, {"+", "-"}, {"*", "/", "%"}};
        if (level == std::size(kLevels))
            return Unary();
        NodePtr left = Binary(level + 1);
        while (left) {
            std::string_view found;
            for (std::string_view op : kLevels[level])
                if (found.empty() && !op.empty() && Take(op))
                    found = op;
            if (found.empty())
                break;
            NodePtr right = Binary(level + 1);
            left = right ? Make(std::string(found), left, right) : nullptr;
        }
        return left;
    }

    NodePtr Unary()
    {
        if (Take("!")) {
            if (++depth_ > kDeepest)
                return nullptr;
            NodePtr operand = Unary();
            --depth_;
            return operand ? Make("!", operand) : nullptr;
        }
        if (Take("(")) {
            NodePtr inner = Choice();
            return inner && Take(")") ? inner : nullptr;
        }
        if (Take("n"))
            return Make("n");
        return Number();
    }

    NodePtr Number()
    {
        Skip();
        if (at_ >= text_.size() || !std::isdigit(static_cast<unsigned char>(text_[at_])))
            return nullptr;
        uint64_t value = 0;
        while (at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_])) && value < 1000000000)
            value = value * 10 + static_cast<uint64_t>(text_[at_++] - '0');
        auto node = std::make_shared<Node>();
        node->op = "num";
        node->number = value;
        return node;
    }

    std::string_view text_;
    std::size_t at_ = 0;
    int depth_ = 0;
};

uint64_t Apply(const std::string& op, uint64_t x, uint64_t y)
{
    if (op == "||") return x || y;
    if (op == "&&") return x && y;
    if (op == "==") return x == y;
    if (op == "!=") return x != y;
    if (op == "<") return x < y;
    if (op == "<=") return x <= y;
    if (op == ">") return x > y;
    if (op == ">=") return x >= y;
    if (op == "+") return x + y;
    if (op == "-") return x - y;
    if (op == "*") return x * y;
    if (op == "/") return y ? x / y : 0;
    return y ? x % y : 0; // "%"
}

uint64_t Evaluate(const Node& node, uint64_t n)
{
    if (node.op == "num")
        return node.number;
    if (node.op == "n")
        return n;
    if (node.op == "!")
        return !Evaluate(*node.a, n);
    if (node.op == "?:")
        return Evaluate(*node.a, n) ? Evaluate(*node.b, n) : Evaluate(*node.c, n);
    return Apply(node.op, Evaluate(*node.a, n), Evaluate(*node.b, n));
}

// The text of "name=VALUE;" in the field, without its blanks.
std::string_view FieldValue(std::string_view field, std::string_view name)
{
    std::size_t at = field.find(name);
    // "plural" is also the end of "nplurals": the name stands at the field's start or after a blank or ";".
    while (at != std::string_view::npos && at > 0 && field[at - 1] != ';' &&
           !std::isspace(static_cast<unsigned char>(field[at - 1])))
        at = field.find(name, at + 1);
    if (at == std::string_view::npos)
        return {};
    std::size_t start = field.find('=', at + name.size());
    const std::size_t end = field.find(';', at);
    if (start == std::string_view::npos || (end != std::string_view::npos && end < start))
        return {};
    ++start;
    return field.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

} // namespace

PluralRule::PluralRule() = default;

std::optional<PluralRule> PluralRule::FromHeader(std::string_view pluralForms)
{
    const std::string count(FieldValue(pluralForms, "nplurals"));
    NodePtr expression = Reader(FieldValue(pluralForms, "plural")).Whole();
    PluralRule rule;
    rule.count_ = 0;
    for (char c : count) {
        if (std::isdigit(static_cast<unsigned char>(c)) && rule.count_ < 100)
            rule.count_ = rule.count_ * 10 + (c - '0');
        else if (!std::isspace(static_cast<unsigned char>(c)))
            return std::nullopt;
    }
    if (!expression || rule.count_ < 1)
        return std::nullopt;
    rule.expression_ = std::move(expression);
    return rule;
}

int PluralRule::FormOf(uint64_t n) const
{
    const uint64_t english = n == 1 ? 0 : 1;
    if (!expression_)
        return static_cast<int>(english);
    const uint64_t form = Evaluate(*expression_, n);
    const uint64_t last = static_cast<uint64_t>(count_ - 1);
    return static_cast<int>(form <= last ? form : std::min(english, last));
}

} // namespace translation
