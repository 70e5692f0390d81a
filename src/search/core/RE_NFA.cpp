#include "RE_NFA.h"

#include "ERegExpParser.h"

TRE_NFA::TRE_NFA(const TREParseTree& Tree, int PatternLength)
    : Tree_(Tree), PatternLength_(PatternLength), Alphabet_(Tree.CharRanges())
{}

uint32_t TRE_NFA::NewState()
{
    if (StateCount_ >= kMaxStates)
        throw ERegExpParser(remsg::TooComplex, EndPosition());
    return StateCount_++;
}

void TRE_NFA::AddEdge(uint32_t From, TNfaEdge Edge)
{
    if (Pending_.size() >= kMaxEdges)
        throw ERegExpParser(remsg::TooComplex, EndPosition());
    Pending_.push_back({From, Edge});
}

void TRE_NFA::AddChars(uint32_t From, uint32_t To, re::TCodeRange Range)
{
    const auto [first, last] = Alphabet_.ClassesOf(Range);
    AddEdge(From, {TNfaEdgeKind::Chars, first, last, To});
}

void TRE_NFA::Run()
{
    Entry_ = NewState();
    Exit_ = NewState();
    Generate(Tree_.Root(), Entry_, Exit_);

    EdgeStart_.assign(StateCount_ + 1, 0);
    for (const PendingEdge& pending : Pending_)
        ++EdgeStart_[pending.From + 1];
    for (uint32_t state = 0; state < StateCount_; ++state)
        EdgeStart_[state + 1] += EdgeStart_[state];
    Edges_.resize(Pending_.size());
    std::vector<uint32_t> fill(EdgeStart_.begin(), EdgeStart_.end() - 1);
    for (const PendingEdge& pending : Pending_)
        Edges_[fill[pending.From]++] = pending.Edge;
    Pending_ = {};
}

// A "^" is an anchor only on an edge out of the entry state and a "$" only
// on one into the exit state; anywhere else each is the character itself.
// "+" shares its operand, which is generated once for each use.
void TRE_NFA::Generate(int Node, uint32_t From, uint32_t To)
{
    const TRENode& node = Tree_.Node(Node);
    switch (node.Kind) {
    case nkChar: AddChars(From, To, node.Range); break;
    case nkLineHead:
        if (From == Entry_) {
            AddEdge(From, {TNfaEdgeKind::LineHead, 0, 0, To});
            HasLineHead_ = true;
        } else {
            AddChars(From, To, node.Range);
        }
        break;
    case nkLineTail:
        if (To == Exit_) {
            AddEdge(From, {TNfaEdgeKind::LineTail, 0, 0, To});
            HasLineTail_ = true;
        } else {
            AddChars(From, To, node.Range);
        }
        break;
    case nkConcat: {
        const auto operands = Tree_.Children(Node);
        uint32_t from = From;
        for (size_t i = 0; i + 1 < operands.size(); ++i) {
            const uint32_t middle = NewState();
            Generate(operands[i], from, middle);
            from = middle;
        }
        Generate(operands.back(), from, To);
        break;
    }
    case nkUnion:
        for (const int operand : Tree_.Children(Node))
            Generate(operand, From, To);
        break;
    case nkStar: {
        const uint32_t loop = NewState();
        const uint32_t back = NewState();
        AddEdge(From, {TNfaEdgeKind::Epsilon, 0, 0, loop});
        Generate(Tree_.Children(Node).front(), loop, back);
        AddEdge(back, {TNfaEdgeKind::Epsilon, 0, 0, loop});
        AddEdge(loop, {TNfaEdgeKind::Epsilon, 0, 0, To});
        break;
    }
    case nkEmpty: AddEdge(From, {TNfaEdgeKind::Epsilon, 0, 0, To}); break;
    }
}
