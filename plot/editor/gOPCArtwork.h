#pragma once
#include <QImage>

// Pictures of the OPC pieces, drawn by code on transparent ground.
namespace OPCArtwork {

// The manager's 24 x 24 marker: two linked server boxes.
QImage ManagerImage();

// The explorer's 16 x 16 node pictures.
enum ExplorerNode { ServersRoot = 0, GroupsRoot = 1, Connection = 2 };
QImage ExplorerNodeImage(ExplorerNode Node);

} // namespace OPCArtwork
