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
            n->text = FunctionKeywords[Pick(std::size(FunctionKeywords))].Name;
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
            n->right = Make(depth - 1);
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
    std::mt19937 rng_;
};

}  // namespace
