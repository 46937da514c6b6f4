.pragma library

// Puts a camera on a slot of the grid. A camera already on the grid swaps places with the slot's
// camera, as dragging a tile does; a camera from outside takes the slot and the camera that was
// there leaves the grid. The new places are kept in the cameras' records.
function placeCamera(grid, deviceId, slot) {
    var id = String(deviceId)
    if (!grid || slot < 0 || slot >= grid.slotDevices.length)
        return false
    var current = grid.findTile(id)
    if (current === slot)
        return true
    if (current >= 0)
        return grid.swapTilesByIndex(current, slot)
    if (grid.tileIsFree(slot))
        return grid.placeDevice(id, slot)
    var slots = grid.slotDevices.slice()
    var displaced = slots[slot]
    slots[slot] = id
    grid.slotDevices = slots
    grid.saveTileIndex(id, slot)
    grid.saveTileIndex(displaced, -1)
    return true
}

// The first free tile for a camera not yet on the grid; -1 when it is shown already or no tile is free.
function placeOnFreeTile(grid, deviceId) {
    if (!grid || grid.findTile(String(deviceId)) >= 0)
        return -1
    var free = grid.findFreeTile()
    return free >= 0 && grid.placeDevice(String(deviceId), free) ? free : -1
}
