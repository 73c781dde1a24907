#pragma once
#include <functional>
#include <memory>

class CCalculate_Manager;
class CQORReport;

// The heating-load calculation book as the calculation book's entry reaches it: the program's own
// book (CHLDReport) unless a test installs another maker.
class CHeatingLoadBookBase
{
public:
    using Factory = std::function<std::unique_ptr<CHeatingLoadBookBase>()>;

    virtual ~CHeatingLoadBookBase() = default;

    // Fills the book for the manager's calculation and previews it; returns the report it filled,
    // owned by the book.
    virtual CQORReport* BuildReport(CCalculate_Manager& manager) = 0;

    // Replaces the maker of the heating-load book; empty restores the program's own.
    static void SetFactory(Factory factory) { Maker() = std::move(factory); }
    // A new book from the installed maker, else the program's own.
    static std::unique_ptr<CHeatingLoadBookBase> Create();

private:
    static Factory& Maker()
    {
        static Factory factory;
        return factory;
    }
};
