#pragma once
#include "model/CNodeData.h"
#include "model/TDM_Project.h"
#include "platform/core/CSQLStatement.h"

#include <gtest/gtest.h>

#include <QDomDocument>
#include <QDomElement>
#include <QTemporaryDir>

// A small project database written by the test, with only the columns the exchange file needs to
// show each of its rules, and its tree in memory:
//
//   办公楼 (Building 1)                      stored areas: above 0, below 100, height 0
//     一层 (Storey 1, StoreyArea 500)        rooms 101 (120 m², cooled) and 102 (300 m², neither)
//       101: People 1, OutsideWall 37, InsideWall 1 (disabled), InsideWall 2
//       102: People 99 (no row)
//     二层 (Storey 2, StoreyArea 300)        rooms 201 (300 m², both) and 202 (250 m², heated)
//     三层 (Storey 3, StoreyArea 200)        no rooms
//     folder (SubTree 1)
//       地下一层 (Storey 4, below ground)     room B101 (80 m², cooled, its use names no record)
//   folder (SubTree 2)
//     配楼 (Building 2)                      stored above-ground area 12.5, no storeys
//   Building 3 has a row but no node.
class ExchangeFixture : public ::testing::Test
{
protected:
    void SetUp() override;

    void Exec(const CSQLStatement& statement);
    // Writes the exchange file beside the project file (target "0") and returns its path.
    QString Export();
    // The file parsed; fails the test when it is not well-formed.
    static QDomDocument Parse(const QString& path);
    // The element whose attribute "key" is given, anywhere in the document; null when none.
    static QDomElement ByKey(const QDomDocument& document, const QString& key);

    QTemporaryDir m_dir;
    QString m_projectFile;
    TDM_Project m_project;
    CNodeData m_root;

private:
    // A node of the tree image (the type, or type + 30 for a disabled element).
    CNodeData* Add(CNodeData* parent, int imageIndex, int elementId, const QString& caption);
    int m_lastNodeId = 0;
};
