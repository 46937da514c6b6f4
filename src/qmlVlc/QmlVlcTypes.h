#pragma once

// Registration of the QML module "QmlVlc" 0.1.
class QmlVlcTypes {
public:
    // The players, the surface and the uncreatable sub-object types.
    static void registerTypes();
    // The player state enum as the enum-only type "QmlVlcPlayerState".
    static void registerPlayerState();
};
