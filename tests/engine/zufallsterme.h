#pragma once
// Random terms for the engine tests: trees of functions, operators,
// parameters and constants, rendered with every composite part bracketed.
#include "engine/funk.h"

#include <iterator>
#include <memory>
#include <random>
#include <string>

// Inside each test file's own unnamed namespace.
namespace {

const char* const kConstants[] = {
    "0", "1", "2", "3", "2,5", "0.5", "0.001", "10", "1E5", "2.5E-3", "pi", "Pi",
    "1E30", "1E-30", "7E36", "100", "64", "65", "1.000000001", "0,1",
};

struct Node {
    enum Kind { Fn, Neg, Op, Param, Const } kind = Const;
    std::string text;  // keyword, operator character, parameter or constant
    std::unique_ptr<Node> left, right;
};

class TermMaker {
public:
    explicit TermMaker(unsigned seed) : rng_(seed) {}
    // Terms whose values do not depend on the C library: only the functions
    // that are correctly rounded or exact, and powers by whole constants
    // (multiplied out), so that their bits can be pinned.
    struct LibraryFree {};
    TermMaker(unsigned seed, LibraryFree) : rng_(seed), libraryFree_(true) {}

    std::unique_ptr<Node> Make(int depth)
    {
        auto n = std::make_unique<Node>();
        const int roll = Pick(depth <= 0 ? 2 : 10);
        if (roll == 0) {
            n->kind = Node::Param;
            n->text = Pick(3) == 0 ? "t" : "x";
        } else if (roll == 1) {
            n->kind = Node::Const;
            n->text = kConstants[Pick(std::size(kConstants))];
        } else if (roll <= 4) {
            n->kind = Node::Fn;
            n->text = libraryFree_ ? kExactFunctions[Pick(std::size(kExactFunctions))]
                                   : FunctionKeywords[Pick(std::size(FunctionKeywords))].Name;
            if (Pick(2) == 0)  // either case
                for (char& c : n->text) c = static_cast<char>(c - 'A' + 'a');
            n->left = Make(depth - 1);
        } else if (roll == 5) {
            n->kind = Node::Neg;
            n->left = Make(depth - 1);
        } else {
            n->kind = Node::Op;
            n->text = std::string(1, "+-*/^"[Pick(5)]);
            n->left = Make(depth - 1);
            if (libraryFree_ && n->text == "^") {
                n->right = std::make_unique<Node>();
                n->right->kind = Node::Const;
                n->right->text = kWholeExponents[Pick(std::size(kWholeExponents))];
            } else {
                n->right = Make(depth - 1);
            }
        }
        return n;
    }

    // Every composite part is bracketed, so it reads back as exactly this tree.
    std::string Render(const Node& n)
    {
        switch (n.kind) {
        case Node::Param:
        case Node::Const: return n.text;
        case Node::Fn: return n.text + Open() + Render(*n.left) + Close();
        case Node::Neg: return Open() + "-" + Render(*n.left) + Close();
        case Node::Op: return Open() + Render(*n.left) + n.text + Render(*n.right) + Close();
        }
        return {};
    }

    std::size_t Pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_); }

private:
    std::string Open() { return Pick(4) == 0 ? "[" : "("; }
    std::string Close() { return Pick(4) == 0 ? "]" : ")"; }
    static constexpr const char* kExactFunctions[] = {"ABS", "SQR", "ROUND", "TRUNC", "SQRT",
                                                       "FLOOR", "SIGN", "HS", "BETRAG", "INT"};
    // "(-2)" is a negation, so it takes the general power rule, which also
    // multiplies out whole exponents up to 64.
    static constexpr const char* kWholeExponents[] = {"2", "3", "4", "5", "7", "64", "(-1)", "(-2)", "(-3)"};
    std::mt19937 rng_;
    bool libraryFree_ = false;
};

}  // namespace
