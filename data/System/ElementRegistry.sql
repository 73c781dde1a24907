-- The element types: per type code its project table (Name), display name (Remark), the type it
-- is placed under (-1: none) and whether each kind of calculation uses it. The three heating
-- design types share IsHeatingLoadCalculation.
--
-- Which calculation uses which type follows what each calculation reads: the two quick estimates
-- work from the room's own load indexes; the intelligent estimate adds the internal loads but
-- estimates the envelope from the room; the detailed, monthly and daily air-conditioning runs use
-- internal loads and envelope; the heating runs use the envelope and the other heat gains and
-- losses only. Project, buildings, storeys, rooms and folders take part in every calculation.
CREATE TABLE ElementBasePerformance (
    TypeIndex INTEGER PRIMARY KEY,
    Name TEXT COLLATE NOCASE,
    Remark TEXT,
    DisEnabledImageIndex INTEGER,
    ParentTypeIndex INTEGER,
    IsACLoadSimpleEstimation INTEGER,
    IsACLoadItemsEstimation INTEGER,
    IsACLoadIntelligentEstimation INTEGER,
    IsACLoadCalculation INTEGER,
    IsACLoadMonthlyCalculation INTEGER,
    IsACLoadDailyCalculation INTEGER,
    IsHeatingLoadCalculation INTEGER
);

-- DisEnabledImageIndex is the tree image of an idle node: the type code plus 30.
INSERT INTO ElementBasePerformance (TypeIndex, Name, Remark, DisEnabledImageIndex, ParentTypeIndex,
    IsACLoadSimpleEstimation, IsACLoadItemsEstimation, IsACLoadIntelligentEstimation, IsACLoadCalculation,
    IsACLoadMonthlyCalculation, IsACLoadDailyCalculation, IsHeatingLoadCalculation) VALUES
    (0, 'Project', '工程', 30, -1, 1, 1, 1, 1, 1, 1, 1),
    (1, 'Building', '大楼', 31, 0, 1, 1, 1, 1, 1, 1, 1),
    (2, 'Storey', '楼层', 32, 1, 1, 1, 1, 1, 1, 1, 1),
    (3, 'Room', '房间', 33, 2, 1, 1, 1, 1, 1, 1, 1),
    (4, 'People', '人员', 34, 3, 0, 0, 1, 1, 1, 1, 0),
    (5, 'Lighting', '照明', 35, 3, 0, 0, 1, 1, 1, 1, 0),
    (6, 'HeatingEquipment', '电热设备', 36, 3, 0, 0, 1, 1, 1, 1, 0),
    (7, 'ElectronicEquipment', '电子设备', 37, 3, 0, 0, 1, 1, 1, 1, 0),
    (8, 'ElectricEquipment', '电动设备', 38, 3, 0, 0, 1, 1, 1, 1, 0),
    (9, 'OutsideWall', '外墙', 39, 3, 0, 0, 0, 1, 1, 1, 1),
    (10, 'OutsideWindow', '外窗', 40, 9, 0, 0, 0, 1, 1, 1, 1),
    (11, 'OutsideDoor', '外门', 41, 9, 0, 0, 0, 1, 1, 1, 1),
    (12, 'GlassCurtainWall', '玻璃幕墙', 42, 3, 0, 0, 0, 1, 1, 1, 1),
    (13, 'InsideWall', '内墙', 43, 3, 0, 0, 0, 1, 1, 1, 1),
    (14, 'InsideWindow', '内窗', 44, 13, 0, 0, 0, 1, 1, 1, 1),
    (15, 'InsideDoor', '内门', 45, 13, 0, 0, 0, 1, 1, 1, 1),
    (16, 'Ceiling', '楼板', 46, 3, 0, 0, 0, 1, 1, 1, 1),
    (17, 'Roof', '屋顶', 47, 3, 0, 0, 0, 1, 1, 1, 1),
    (18, 'SkyWindow', '天窗', 48, 17, 0, 0, 0, 1, 1, 1, 1),
    (19, 'BlindStorey', '闷顶', 49, 3, 0, 0, 0, 1, 1, 1, 1),
    (20, 'GlassRoof', '玻璃屋顶', 50, 3, 0, 0, 0, 1, 1, 1, 1),
    (21, 'Floor', '地板', 51, 3, 0, 0, 0, 1, 1, 1, 1),
    (22, 'Ground', '地面', 52, 3, 0, 0, 0, 1, 1, 1, 1),
    (23, 'ProjectionFloor', '悬空地板', 53, 3, 0, 0, 0, 1, 1, 1, 1),
    (24, 'GapWall', '缝墙', 54, 3, 0, 0, 0, 1, 1, 1, 1),
    (25, 'Food', '食物及其它', 55, 3, 0, 0, 1, 1, 1, 1, 0),
    (26, 'Evaporating', '水面蒸发', 56, 3, 0, 0, 1, 1, 1, 1, 0),
    (27, 'Infiltration', '空气渗透', 57, 3, 0, 0, 1, 1, 1, 1, 0),
    (28, 'Others', '其它', 58, 3, 0, 0, 0, 0, 0, 0, 1),
    (29, 'BasementWall', '地下室外墙', 59, 3, 0, 0, 0, 1, 1, 1, 1),
    (30, 'SubTree', '子树', 60, -1, 1, 1, 1, 1, 1, 1, 1);
