// Machine code for the register form of a term, on the x87 path.
//
// A segment of the register form becomes one function that loops over the
// x values of a block and runs the segment's steps for each, straight
// through: no dispatch per step, and the running value R, the saved value S0
// and x stay on the x87 stack (R in st(0), S0 in st(1), x in st(2) between
// steps). Each step is the instruction the interpreter in funk.cpp runs for
// it, in the same order on the same operands, so the values are the same
// bits; each checked value is stored rounded to a double into its column,
// and the caller checks the columns as it does for the interpreter.
//
// The code is written into memory mapped writable, then made executable and
// read-only before first use; where the system refuses that, the term has no
// machine code and the interpreter runs its segments.

#include "engine/funk_register.h"

#include <atomic>
#include <cstring>

#if TESSAPLUN_X87_EVALUATOR && defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#define TESSAPLUN_REGISTER_CODE 1
#else
#define TESSAPLUN_REGISTER_CODE 0
#endif

namespace {
std::atomic<bool> gRegisterCodeAllowed{true};
}

void AllowRegisterCode(bool allowed) { gRegisterCodeAllowed = allowed; }

TRegisterCode::~TRegisterCode()
{
#if TESSAPLUN_REGISTER_CODE
    if (Memory)
        munmap(Memory, Size);
#endif
}

namespace registerform {

#if TESSAPLUN_REGISTER_CODE
namespace {

// General registers of the generated code.
enum Gpr : std::uint8_t { Rax = 0, Rcx = 1, Rdx = 2, Rbx = 3, Rsi = 6, Rdi = 7, R8 = 8, R9 = 9, R10 = 10, R11 = 11, R12 = 12 };

// Where the generated code keeps what it works on (SegmentArgs):
// x in Rsi, out in R8, the checked values in R9, the columns R, S0, S1 in
// R10, R11, R12, t in Rbx; Rcx counts down, Rax and Rdx are the offsets of
// the current x in 16-byte and in 8-byte columns.
constexpr Gpr kX = Rsi, kOut = R8, kChecks = R9, kColR = R10, kColS0 = R11, kColS1 = R12, kT = Rbx;
static_assert(offsetof(SegmentArgs, X) == 0 && offsetof(SegmentArgs, Out) == 8 && offsetof(SegmentArgs, Checks) == 16 &&
              offsetof(SegmentArgs, R) == 24 && offsetof(SegmentArgs, S0) == 32 && offsetof(SegmentArgs, S1) == 40 &&
              offsetof(SegmentArgs, T) == 48 && offsetof(SegmentArgs, N) == 56);

// The x87 arithmetic as the encodings name it, for "st(0) op= operand":
// the /r digit of the memory forms, the D8 row of st(0) op st(i), the DE row
// of st(i) op= st(0) and pop. Reversed forms swap the operands of - and /.
struct X87Op {
    std::uint8_t Memory;  // DC /r with m64: st(0) := st(0) op m
    std::uint8_t St0;     // D8 +i: st(0) := st(0) op st(i)
    std::uint8_t Pop;     // DE +i: st(i) := st(i) op st(0), pop
};
// + * - / and the reversed - /, "a op b" with a the first operand.
constexpr X87Op kAdd{0, 0xC0, 0xC0}, kMul{1, 0xC8, 0xC8}, kSub{4, 0xE0, 0xE8}, kSubR{5, 0xE8, 0xE0},
    kDiv{6, 0xF0, 0xF8}, kDivR{7, 0xF8, 0xF0};

class Assembler {
public:
    std::vector<std::uint8_t> Code;

    void Byte(std::uint8_t b) { Code.push_back(b); }
    void Bytes(std::initializer_list<std::uint8_t> bs) { Code.insert(Code.end(), bs); }
    void Int32(std::int32_t v)
    {
        for (int i = 0; i < 4; ++i)
            Byte(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i)));
    }

    // A memory operand [base + index] (index Rax or Rdx) with disp, and
    // ModRM digit r, after the opcode bytes; rex is emitted before them. A
    // displacement is a column's place, a multiple of a block of doubles,
    // and so always takes 32 bits.
    void Indexed(std::initializer_list<std::uint8_t> opcode, std::uint8_t r, Gpr base, Gpr index, std::int32_t disp = 0)
    {
        static_assert(kBlock * 8 >= 128, "column places beyond a byte's displacement");
        if (base >= R8)
            Byte(0x41);
        Bytes(opcode);
        // mod 2 (a 32-bit displacement, 0 too), rm 4 (the SIB byte follows).
        Byte(static_cast<std::uint8_t>(2 << 6 | (r & 7) << 3 | 4));
        Byte(static_cast<std::uint8_t>((index & 7) << 3 | (base & 7)));
        Int32(disp);
    }
    // [base + disp8] for a base below R8 other than Rsp and Rbp.
    void Based(std::uint8_t opcode, std::uint8_t r, Gpr base, std::int8_t disp)
    {
        Byte(opcode);
        Byte(static_cast<std::uint8_t>(1 << 6 | (r & 7) << 3 | (base & 7)));
        Byte(static_cast<std::uint8_t>(disp));
    }
    // [rip + constant]: the displacement is filled in once the constants'
    // place is known.
    void Constant(std::uint8_t opcode, std::uint8_t r, double v)
    {
        Byte(opcode);
        Byte(static_cast<std::uint8_t>((r & 7) << 3 | 5));
        Fixups.push_back({Code.size(), Pool(v)});
        Int32(0);
    }

    // Appends the constants and fills in their displacements.
    void Finish()
    {
        while (Code.size() % 8 != 0)
            Byte(0xCC);
        const std::size_t pool = Code.size();
        for (const double v : Constants) {
            std::uint8_t b[8];
            std::memcpy(b, &v, 8);
            Code.insert(Code.end(), b, b + 8);
        }
        for (const auto& [at, index] : Fixups) {
            const std::int32_t disp = static_cast<std::int32_t>(pool + 8 * index - (at + 4));
            std::memcpy(&Code[at], &disp, 4);
        }
    }

    // x87 instructions.
    void Fld(int i) { Bytes({0xD9, static_cast<std::uint8_t>(0xC0 + i)}); }
    void Fst(int i) { Bytes({0xDD, static_cast<std::uint8_t>(0xD0 + i)}); }
    void Fstp(int i) { Bytes({0xDD, static_cast<std::uint8_t>(0xD8 + i)}); }
    void Fldz() { Bytes({0xD9, 0xEE}); }
    void OpSt0(const X87Op& op, int i) { Bytes({0xD8, static_cast<std::uint8_t>(op.St0 + i)}); }
    void OpPop(const X87Op& op, int i) { Bytes({0xDE, static_cast<std::uint8_t>(op.Pop + i)}); }
    void OpConstant(const X87Op& op, double v) { Constant(0xDC, op.Memory, v); }
    void FldConstant(double v) { Constant(0xDD, 0, v); }
    void FsubConstant(double v) { Constant(0xDC, 4, v); }

private:
    std::size_t Pool(double v)
    {
        for (std::size_t i = 0; i < Constants.size(); ++i)
            if (std::memcmp(&Constants[i], &v, 8) == 0)
                return i;
        Constants.push_back(v);
        return Constants.size() - 1;
    }
    std::vector<double> Constants;
    struct Fixup {
        std::size_t At;
        std::size_t Index;
    };
    std::vector<Fixup> Fixups;
};

// One segment for x as doubles or as 80-bit values.
//
// The writer keeps track of which value lies where on the x87 stack, so
// that a step costs its own instruction and little else: a save only
// renames the running value, an operand that dies in a step takes the
// result through a popping instruction, and a value no longer read is
// dropped where that costs nothing extra. The stack starts and ends each x
// empty.
class SegmentWriter {
public:
    SegmentWriter(Assembler& a, bool extendedX, int xCheck) : A(a), ExtendedX(extendedX), XCheck(xCheck) {}

    // False when the segment would need more than the eight x87 registers.
    bool Write(const TRegisterStep* first, const TRegisterStep* last, bool xUsed, unsigned load, unsigned store,
               bool toOut)
    {
        // push rbx; push r12; the arguments into their registers.
        A.Bytes({0x53, 0x41, 0x54});
        const Gpr args[] = {kX, kOut, kChecks, kColR, kColS0, kColS1, kT, Rcx};
        for (int k = 0; k < 8; ++k)
            A.Bytes({static_cast<std::uint8_t>(args[k] >= R8 ? 0x4C : 0x48), 0x8B,
                     static_cast<std::uint8_t>(1 << 6 | (args[k] & 7) << 3 | Rdi), static_cast<std::uint8_t>(8 * k)});
        A.Bytes({0x48, 0x85, 0xC9});  // test rcx, rcx
        A.Bytes({0x0F, 0x8E});        // jle done
        const std::size_t skip = A.Code.size();
        A.Int32(0);
        A.Bytes({0x31, 0xC0, 0x31, 0xD2});  // xor eax, eax; xor edx, edx
        const std::size_t loop = A.Code.size();

        // What each step leaves to be read after it (R and S0).
        std::vector<unsigned> liveAfter(static_cast<std::size_t>(last - first));
        unsigned live = toOut ? kKeepR : store & (kKeepR | kKeepS0);
        for (std::ptrdiff_t k = last - first - 1; k >= 0; --k) {
            liveAfter[static_cast<std::size_t>(k)] = live;
            live = (live & ~Writes(first[k])) | Reads(first[k]);
        }

        if (xUsed) {
            if (ExtendedX) {
                A.Indexed({0xDB}, 5, kX, Rax);                            // fld tbyte [x + rax]
                A.Indexed({0xDD}, 2, kChecks, Rdx, XCheck * kBlock * 8);  // fst qword [checks + rdx + column]
            } else {
                A.Indexed({0xDD}, 0, kX, Rdx);  // fld qword [x + rdx]
            }
            Pushed(X);
        }
        if (load & kKeepS0) {
            A.Indexed({0xDB}, 5, kColS0, Rax);
            Pushed(S0);
        }
        if (load & kKeepR) {
            A.Indexed({0xDB}, 5, kColR, Rax);
            Pushed(R);
        }
        for (const TRegisterStep* st = first; st != last; ++st)
            Step(*st, liveAfter[static_cast<std::size_t>(st - first)]);
        if (toOut) {
            Top(R);
            A.Indexed({0xDB}, 7, kOut, Rax);  // fstp tbyte [out + rax]
            Popped();
        } else {
            if (store & kKeepR) {
                Top(R);
                A.Indexed({0xDB}, 7, kColR, Rax);
                Popped();
            }
            if (store & kKeepS0) {
                Top(S0);
                A.Indexed({0xDB}, 7, kColS0, Rax);
                Popped();
            }
        }
        while (!Stack.empty()) {
            A.Fstp(0);
            Popped();
        }
        A.Bytes({0x48, 0x83, 0xC0, 0x10});  // add rax, 16
        A.Bytes({0x48, 0x83, 0xC2, 0x08});  // add rdx, 8
        A.Bytes({0x48, 0xFF, 0xC9});        // dec rcx
        A.Bytes({0x0F, 0x85});              // jnz loop
        A.Int32(static_cast<std::int32_t>(loop - (A.Code.size() + 4)));
        const std::int32_t toDone = static_cast<std::int32_t>(A.Code.size() - (skip + 4));
        std::memcpy(&A.Code[skip], &toDone, 4);
        A.Bytes({0x41, 0x5C, 0x5B, 0xC3});  // pop r12; pop rbx; ret
        return Deepest <= 8;
    }

private:
    // What a slot of the x87 stack holds.
    enum Tag : std::uint8_t { R, S0, X, Dead, Temp };

    Assembler& A;
    bool ExtendedX;
    int XCheck;                // the column of x rounded to a double
    std::vector<Tag> Stack;    // Stack[i] is st(i)
    std::size_t Deepest = 0;

    // x as a bit beside R and S0, for what is read later.
    static constexpr unsigned kKeepX = 8;

    static unsigned Reads(const TRegisterStep& st)
    {
        const auto bit = [](std::uint8_t place) {
            return place == kPlaceR ? kKeepR : place == kPlaceS0 ? kKeepS0 : place == kPlaceX ? kKeepX : 0u;
        };
        if (st.Op >= RegArith)
            return bit(static_cast<std::uint8_t>((st.Op - RegArith) / kPlaces % kPlaces)) |
                   bit(static_cast<std::uint8_t>((st.Op - RegArith) % kPlaces));
        if (st.Op < RegSave0)
            return bit(static_cast<std::uint8_t>(st.Op - RegLoad));
        if (st.Op == RegSave0 || st.Op == RegSave1)
            return kKeepR;
        return (st.Op - RegSquare) % 2 == 0 ? kKeepR : kKeepX;
    }
    static unsigned Writes(const TRegisterStep& st)
    {
        return st.Op == RegSave0 ? kKeepS0 : st.Op == RegSave1 ? 0u : kKeepR;
    }

    void Pushed(Tag t)
    {
        Stack.insert(Stack.begin(), t);
        Deepest = std::max(Deepest, Stack.size());
    }
    void Popped() { Stack.erase(Stack.begin()); }
    int Position(Tag t) const
    {
        for (std::size_t i = 0; i < Stack.size(); ++i)
            if (Stack[i] == t)
                return static_cast<int>(i);
        return -1;
    }
    void Kill(Tag t)
    {
        const int i = Position(t);
        if (i >= 0)
            Stack[static_cast<std::size_t>(i)] = Dead;
    }
    // Brings a value to st(0).
    void Top(Tag t)
    {
        const int i = Position(t);
        if (i > 0) {
            A.Bytes({0xD9, static_cast<std::uint8_t>(0xC8 + i)});  // fxch st(i)
            std::swap(Stack[0], Stack[static_cast<std::size_t>(i)]);
        }
    }
    // The value at st(0) becomes t; a dead value right below it is dropped.
    void Becomes(Tag t)
    {
        Stack[0] = t;
        if (Stack.size() > 1 && Stack[1] == Dead) {
            A.Fstp(1);
            Popped();
            Stack[0] = t;
        }
    }

    static Tag TagOf(std::uint8_t place)
    {
        return place == kPlaceR ? R : place == kPlaceS0 ? S0 : place == kPlaceX ? X : Temp;
    }

    // Pushes the value of a place.
    void Push(std::uint8_t place, const TRegisterStep& st)
    {
        const Tag t = TagOf(place);
        if (t != Temp) {
            A.Fld(Position(t));
        } else {
            switch (place) {
            case kPlaceT:
                A.Based(0xDD, 0, kT, 0);  // fld qword [t]
                A.Based(0xDC, 4, kT, 8);  // fsub qword [t + 8]
                break;
            case kPlaceS1: A.Indexed({0xDB}, 5, kColS1, Rax); break;
            case kPlaceShort: A.FldConstant(st.C); break;
            default:
                A.FldConstant(st.C);
                A.FsubConstant(st.CRest);
                break;
            }
        }
        Pushed(Temp);
    }

    // st(0) := st(0) op place (or place op st(0) when reversed).
    void Apply(const X87Op& op, const X87Op& reversedOp, bool reversed, std::uint8_t place, const TRegisterStep& st)
    {
        const Tag t = TagOf(place);
        if (t != Temp) {
            A.OpSt0(reversed ? reversedOp : op, Position(t));
        } else if (place == kPlaceShort) {
            A.OpConstant(reversed ? reversedOp : op, st.C);
        } else {
            Push(place, st);
            // st(1) := st(1) op st(0), or st(0) op st(1), and pop.
            A.OpPop(reversed ? reversedOp : op, 1);
            Popped();
        }
    }

    void Check(const TRegisterStep& st)
    {
        if (st.Band != kBandNone)
            A.Indexed({0xDD}, 2, kChecks, Rdx, st.Guard * kBlock * 8);  // fst qword [checks + rdx + column]
    }

    // |st(0)|, -st(0), the square root of st(0) (>= 0 here).
    void Function(std::uint8_t op)
    {
        const int which = (op - RegFunction) / 2;
        A.Bytes({0xD9, static_cast<std::uint8_t>(which == 0 ? 0xE1 : which == 1 ? 0xE0 : 0xFA)});
    }

    // Takes a value on the stack that dies in this step as st(0), to compute
    // in its place; false when it is read later.
    bool Consume(std::uint8_t place, unsigned liveAfter)
    {
        if (place != kPlaceX || (liveAfter & kKeepX))
            return false;
        Top(X);
        Stack[0] = Temp;
        return true;
    }

    void Step(const TRegisterStep& st, unsigned liveAfter)
    {
        StepItself(st, liveAfter);
        // Values read no more are dead; a dead one next to a new one is
        // dropped, the others when the x ends.
        if (!(liveAfter & kKeepS0))
            Kill(S0);
        if (!(liveAfter & kKeepX))
            Kill(X);
    }

    void StepItself(const TRegisterStep& st, unsigned liveAfter)
    {
        if (st.Op >= RegArith) {
            const int index = st.Op - RegArith;
            const int opCode = index / (kPlaces * kPlaces) + OperatorCode::Plus;
            const std::uint8_t a = static_cast<std::uint8_t>(index / kPlaces % kPlaces);
            const std::uint8_t b = static_cast<std::uint8_t>(index % kPlaces);
            const X87Op& forward = opCode == OperatorCode::Plus    ? kAdd
                                   : opCode == OperatorCode::Minus ? kSub
                                   : opCode == OperatorCode::Times ? kMul
                                                                   : kDiv;
            // + and * give the same bits either way round.
            const X87Op& reversed = opCode == OperatorCode::Minus ? kSubR : opCode == OperatorCode::Divide ? kDivR : forward;
            if (a == kPlaceR || b == kPlaceR) {
                const bool rFirst = a == kPlaceR;
                const std::uint8_t other = rFirst ? b : a;
                const Tag t = TagOf(other);
                Top(R);
                if ((t == S0 && !(liveAfter & kKeepS0)) || (t == X && !(liveAfter & kKeepX))) {
                    // The other operand dies here: the result goes into its
                    // slot. st(i) := st(i) op st(0) computes other op R, the
                    // reversed form R op other.
                    A.OpPop(rFirst ? reversed : forward, Position(t));
                    Stack[static_cast<std::size_t>(Position(t))] = R;
                    Popped();
                } else {
                    Apply(forward, reversed, !rFirst, other, st);
                }
            } else {
                Kill(R);
                if (a != b && Consume(a, liveAfter)) {
                    Apply(forward, reversed, false, b, st);
                } else if (a != b && Consume(b, liveAfter)) {
                    Apply(forward, reversed, true, a, st);
                } else {
                    Push(a, st);
                    Apply(forward, reversed, false, b, st);
                }
                Becomes(R);
            }
            Top(R);
            Check(st);
            return;
        }
        switch (st.Op) {
        case RegSave0:
            Kill(S0);
            if (liveAfter & kKeepR) {
                A.Fld(Position(R));
                Pushed(S0);
            } else {
                Stack[static_cast<std::size_t>(Position(R))] = S0;
            }
            return;
        case RegSave1:
            A.Fld(Position(R));
            Pushed(Temp);
            A.Indexed({0xDB}, 7, kColS1, Rax);
            Popped();
            return;
        case RegSquare:
            Top(R);
            A.OpSt0(kMul, 0);
            Check(st);
            return;
        case RegFunction:
        case RegFunction + 2:
        case RegFunction + 4:
            Top(R);
            Function(st.Op);
            return;
        case RegSquare + 1:
        case RegFunction + 1:
        case RegFunction + 3:
        case RegFunction + 5:
            Kill(R);
            if (!Consume(kPlaceX, liveAfter))
                Push(kPlaceX, st);
            if (st.Op == RegSquare + 1)
                A.OpSt0(kMul, 0);
            else
                Function(st.Op);
            Becomes(R);
            Check(st);
            return;
        default: break;
        }
        if (st.Op >= RegPower && st.Op < RegFunction) {
            // The multiplications of WholePower on a itself: its sign comes
            // out as the guard's sign rule gives it wherever the power lies
            // in its band (not 0), and the checked magnitude is the same.
            if (st.Op % 2 == RegPower % 2 || !Consume(kPlaceX, liveAfter))
                Push(st.Op % 2 == RegPower % 2 ? kPlaceR : kPlaceX, st);  // the base
            Kill(R);
            bool result = false;
            for (unsigned k = st.K;;) {
                if (k & 1u) {
                    if (!result) {
                        A.Fld(0);  // result := base (1 * base), in st(1) from here on
                        Pushed(Temp);
                    } else {
                        A.Bytes({0xDC, 0xC9});  // fmul st(1), st(0): result *= base
                    }
                    result = true;
                }
                k >>= 1;
                if (k == 0)
                    break;
                A.OpSt0(kMul, 0);  // base *= base
            }
            A.Fstp(0);  // the base
            Popped();
            Check(st);
            if (st.Op >= RegPowerNegative)
                A.OpConstant(kDivR, 1.0);  // 1 / the power
            Becomes(R);
            return;
        }
        // Loads.
        Kill(R);
        if (!Consume(static_cast<std::uint8_t>(st.Op - RegLoad), liveAfter))
            Push(static_cast<std::uint8_t>(st.Op - RegLoad), st);
        Becomes(R);
    }
};

}  // namespace

std::shared_ptr<const TRegisterCode> MakeRegisterCode(const TFunktionsKopf& kopf)
{
    const std::vector<TRegisterStep>& steps = kopf.RegisterSteps;
    if (steps.empty() || !gRegisterCodeAllowed)
        return nullptr;
    const bool xUsed = (kopf.UsedParameters & 1u) != 0;
    Assembler a;
    struct Entry {
        std::size_t Segment;
        int Width;
        std::size_t Offset;
    };
    std::vector<Entry> entries;
    std::size_t segments = 1;
    for (const TRegisterStep& st : steps)
        segments += IsGeneralStep(st.Op) ? 1 : 0;

    // The segments as the block runs them: between general steps, what the
    // one before leaves and the one after needs kept.
    const TRegisterStep* const begin = steps.data();
    const TRegisterStep* const end = begin + steps.size();
    for (int width = 0; width < 2; ++width) {
        const TRegisterStep* st = begin;
        unsigned load = 0;
        for (std::size_t segment = 0;; ++segment) {
            const TRegisterStep* general = st;
            while (general != end && !IsGeneralStep(general->Op))
                ++general;
            if (st != general || general == end) {
                entries.push_back({segment, width, a.Code.size()});
                if (!SegmentWriter(a, width == 1, kopf.RegisterChecks)
                         .Write(st, general, xUsed, load, general == end ? 0 : general->Keep, general == end))
                    return nullptr;  // too deep for the x87 stack: the interpreter runs it
            }
            if (general == end)
                break;
            load = kKeepR | (general->Keep & kKeepS0);
            st = general + 1;
        }
    }
    a.Finish();

    const long page = sysconf(_SC_PAGESIZE);
    const std::size_t size = (a.Code.size() + static_cast<std::size_t>(page) - 1) / static_cast<std::size_t>(page) *
                             static_cast<std::size_t>(page);
    void* memory = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        return nullptr;
    std::memcpy(memory, a.Code.data(), a.Code.size());
    auto code = std::make_shared<TRegisterCode>();
    code->Memory = memory;
    code->Size = size;
    if (mprotect(memory, size, PROT_READ | PROT_EXEC) != 0)
        return nullptr;  // the destructor unmaps it
    code->Segments.assign(segments, {nullptr, nullptr});
    for (const Entry& e : entries)
        code->Segments[e.Segment][static_cast<std::size_t>(e.Width)] =
            reinterpret_cast<SegmentCode>(static_cast<unsigned char*>(memory) + e.Offset);
    return code;
}

#else

std::shared_ptr<const TRegisterCode> MakeRegisterCode(const TFunktionsKopf&) { return nullptr; }

#endif

}  // namespace registerform
