#pragma once
#include <functional>
#include <memory>

class CCalculate_Manager;
class CQORReport;

// The heating-load calculation book as the calculation book's entry reaches it. The book lives in
// the report subsystem's later work; until a maker is installed the entry produces nothing.
class CHeatingLoadBookBase
{
public:
    using Factory = std::function<std::unique_ptr<CHeatingLoadBookBase>()>;

    virtual ~CHeatingLoadBookBase() = default;

    // Fills the book for the manager's calculation and previews it; returns the report it filled,
    // owned by the book.
    virtual CQORReport* BuildReport(CCalculate_Manager& manager) = 0;

    // The maker of the program's heating-load book; empty restores none.
    static void SetFactory(Factory factory) { Maker() = std::move(factory); }
    // A new book, or null while none is installed.
    static std::unique_ptr<CHeatingLoadBookBase> Create() { return Maker() ? Maker()() : nullptr; }

private:
    static Factory& Maker()
    {
        static Factory factory;
        return factory;
    }
};
