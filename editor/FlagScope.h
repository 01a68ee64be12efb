#pragma once

// Raises a flag for a scope and puts back what it was on every path out.
class FlagScope {
public:
    explicit FlagScope(bool &Flag) : flag(Flag), was(Flag) { flag = true; }
    ~FlagScope() { flag = was; }
    FlagScope(const FlagScope &) = delete;
    FlagScope &operator=(const FlagScope &) = delete;

private:
    bool &flag;
    bool was;
};
