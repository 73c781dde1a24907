-- Table Initialization: the named default values of the system, in the system data database and,
-- with the same rows, in the blank project. I_ValueType: for a typed value the input mode (0 integer,
-- 1 real, 2 text, 3 digits), for a choice 0 = position in I_ValueList, 2 = record ID of the library
-- whose kind code follows the "I" of I_ValueList (I17 the schedules). I_EditType: 0 typed, 1 chosen.
--
-- Record IDs named here: ID 1 of every construction library (the typical record of each kind),
-- room use 1 办公室, storey use 1 办公楼层, schedules 4 办公人员, 5 办公设备, 6 办公照明 and 10 全天运行
-- of the standard schedules. Equipment follows the equipment profile; water surfaces and other loads
-- run all day; everything tied to occupancy (fresh air, fans, food, door infiltration, pumps,
-- chemical reactions) follows the people profile, as the standard room uses do.
--
-- Values chosen:
-- - Winter: internal and solar gains are not credited against the winter air-conditioning load
--   (heat-gain coefficient 0, solar off) and that load is steady, as the heating load of GB 50736.
-- - Orientation corrections of GB 50736-2012 5.2.6 (percent): the ends of the standard's ranges that
--   give the larger heat loss (N +10, E/W -5, SE/SW -10, S -15); the bounds are the ranges, widened
--   to 0 for sites whose winter sunshine is below 35 %. Wind addition 0 (sheltered sites; 5-10 for
--   exposed ones). Intermittent-heating addition 20 % for buildings used by day.
-- - Infiltration through openings, GB 50736-2012 appendix F: exponent b 0.67, orientation factor
--   n 1.0, stack coefficient 0.5 for the custom partition type, wind-pressure coefficient 0.7.
-- - Lighting power densities of GB 50034 include the ballast, so room lighting power goes to the
--   plain lamp column (no further ballast factor). Group coefficient 0.9, as the food element's.
--   Roofs dark (the larger solar gain); windows supplied away from the glass.
CREATE TABLE Initialization (
    ID INTEGER PRIMARY KEY,
    I_Name TEXT COLLATE NOCASE,
    I_NameType TEXT,
    I_Remark TEXT,
    I_ValueType INTEGER,
    I_EditType INTEGER,
    I_Value TEXT,
    I_ValueList TEXT,
    I_MaxValue TEXT,
    I_MinValue TEXT
);

INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (1, 'OutsideWallName', '围护结构', '外墙缺省构造', 2, 1, '1', 'I0', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (2, 'InsideWallName', '围护结构', '内墙缺省构造', 2, 1, '1', 'I1', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (3, 'CeilingName', '围护结构', '楼板缺省构造', 2, 1, '1', 'I2', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (4, 'FloorName', '围护结构', '地板缺省构造', 2, 1, '1', 'I3', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (5, 'RoofName', '围护结构', '屋顶缺省构造', 2, 1, '1', 'I4', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (6, 'BlindStoreyName', '围护结构', '闷顶缺省构造', 2, 1, '1', 'I5', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (7, 'OutsideWindowName', '围护结构', '外窗缺省构造', 2, 1, '1', 'I6', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (8, 'OutsideDoorName', '围护结构', '外门缺省构造', 2, 1, '1', 'I7', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (9, 'GlassCurtainWallName', '围护结构', '玻璃幕墙缺省构造', 2, 1, '1', 'I8', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (10, 'GlassRoofName', '围护结构', '玻璃屋顶缺省构造', 2, 1, '1', 'I9', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (11, 'InsideWindowName', '围护结构', '内窗缺省构造', 2, 1, '1', 'I10', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (12, 'InsideDoorName', '围护结构', '内门缺省构造', 2, 1, '1', 'I11', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (13, 'SkyWindowName', '围护结构', '天窗缺省构造', 2, 1, '1', 'I12', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (14, 'GroundName', '围护结构', '地面缺省构造', 2, 1, '1', 'I13', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (15, 'ProjectionFloorName', '围护结构', '悬空地板缺省构造', 2, 1, '1', 'I14', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (16, 'GapWallName', '围护结构', '缝墙缺省构造', 2, 1, '1', 'I15', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (17, 'BasementWallName', '围护结构', '地下室外墙缺省构造', 2, 1, '1', 'I19', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (18, 'RoomUse', '房间及楼层用途', '房间缺省用途', 2, 1, '1', 'I16', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (19, 'StoreyUse', '房间及楼层用途', '楼层缺省用途', 2, 1, '1', 'I18', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (20, 'ScheduleName_People', '工作时间表', '人员工作时间表', 2, 1, '4', 'I17', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (21, 'ScheduleName_Lighting', '工作时间表', '照明工作时间表', 2, 1, '6', 'I17', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (22, 'ScheduleName_HeatingEquipment', '工作时间表', '电热设备工作时间表', 2, 1, '5', 'I17', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (23, 'ScheduleName_ElectronicEquipment', '工作时间表', '电子设备工作时间表', 2, 1, '5', 'I17', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (24, 'ScheduleName_ElectricEquipment', '工作时间表', '电动设备工作时间表', 2, 1, '5', 'I17', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (25, 'ScheduleName_Food', '工作时间表', '食物工作时间表', 2, 1, '4', 'I17', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (26, 'ScheduleName_Evaporating', '工作时间表', '水面蒸发工作时间表', 2, 1, '10', 'I17', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (27, 'ScheduleName_Infiltration', '工作时间表', '渗透风工作时间表', 2, 1, '4', 'I17', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (28, 'ScheduleName_Others', '工作时间表', '其它负荷工作时间表', 2, 1, '10', 'I17', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (29, 'ScheduleName_OutsideAir', '工作时间表', '新风工作时间表', 2, 1, '4', 'I17', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (30, 'Fan_Time', '工作时间表', '风机/风管温升工作时间表', 2, 1, '4', 'I17', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (31, 'Maintenance_Time', '工作时间表', '围护结构散湿工作时间表', 2, 1, '4', 'I17', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (32, 'Water_Time', '工作时间表', '新建工程复制的水泵/水管工作时间表', 2, 1, '4', 'I17', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (33, 'ACLoadPlusPercent', '空调负荷计算', '空调负荷不可预见因素附加百分比%', 1, 0, '0', '', '100', '0');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (34, 'IsWinterACLoadSteady', '空调负荷计算', '冬季空调负荷是否采用稳态算法', 0, 1, '1', '否|是', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (35, 'IsGetNetWallArea', '空调负荷计算', '外墙面积是否扣除门窗面积', 0, 1, '1', '否|是', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (36, 'IsCalculateAirInfiltration', '空调负荷计算', '是否考虑门窗空气渗透', 0, 1, '1', '否|是', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (37, 'WinterHeatGainCoefficient', '空调负荷计算', '冬季得热修正系数', 1, 0, '0', '', '1', '0');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (38, 'AirSupplyType', '空调负荷计算', '外窗、外门、玻璃幕墙缺省送风情况', 0, 1, '1', '沿窗面送风|非沿窗面送风', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (39, 'RoofColor', '空调负荷计算', '屋顶、闷顶外表面缺省颜色', 0, 1, '0', '深色|中色|浅色', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (40, 'HeatingLoadPlusPercent', '采暖负荷计算', '采暖负荷不可预见因素附加百分比%', 1, 0, '0', '', '100', '0');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (41, 'PeopleClassifyCoeffient', '空调负荷计算', '人员群集系数', 1, 0, '0.9', '', '1', '0');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (42, 'LightingPowerTo', '空调负荷计算', '房间照明功率计入的灯具类型', 0, 1, '0', '白炽灯|荧光灯(暗装在吊顶玻璃罩内)|荧光灯(明装,镇流器在空调房间内)|荧光灯(明装,镇流器在空调房间外)', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (43, 'HeatingLoadCoefficient_North', '采暖负荷计算', '北、东北、西北向朝向修正率%', 1, 0, '10', '', '10', '0');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (44, 'HeatingLoadCoefficient_East', '采暖负荷计算', '东、西向朝向修正率%', 1, 0, '-5', '', '0', '-5');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (45, 'HeatingLoadCoefficient_SouthEast', '采暖负荷计算', '东南、西南向朝向修正率%', 1, 0, '-10', '', '0', '-15');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (46, 'HeatingLoadCoefficient_South', '采暖负荷计算', '南向朝向修正率%', 1, 0, '-15', '', '0', '-30');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (47, 'HeatingLoadWindPlus', '采暖负荷计算', '风力附加率%', 1, 0, '0', '', '10', '0');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (48, 'DoorWindowWindInfiltration', '采暖负荷计算', '门窗缝隙渗风指数b', 1, 0, '0.67', '', '1', '0.5');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (49, 'OutDoorWindowWindCoefficent', '采暖负荷计算', '冷风渗透朝向修正系数n', 1, 0, '1', '', '1', '0');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (50, 'DoorWindowHeatPressure', '采暖负荷计算', '热压系数Cr', 1, 0, '0.5', '', '1', '0');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (51, 'DoorWindowWindPressure', '采暖负荷计算', '风压差系数ΔCf', 1, 0, '0.7', '', '1', '0');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (52, 'IsDWLSimplified', '采暖负荷计算', '门窗冷风渗透是否只计风压作用', 0, 1, '0', '否|是', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (53, 'IsDWLEstimation', '采暖负荷计算', '门窗冷风渗透是否按换气次数估算', 0, 1, '0', '否|是', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (54, 'DesignerName', '总体信息', '设计单位', 2, 0, '', '', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (56, 'autorefresh', '节能计算', '是否根据工程数据自动刷新节能计算参数', 0, 1, '1', '否|是', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (57, 'newwind_steadystate', '空调负荷计算', '新风负荷是否采用稳态算法', 0, 1, '1', '否|是', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (58, 'AreaTypeForCalIndex', '总体信息', '计算负荷单位面积指标依据', 0, 1, '1', '空调/采暖面积|建筑面积', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (59, 'ContainSunSolarWinter', '空调负荷计算', '冬季空调是否考虑太阳辐射', 0, 1, '0', '否|是', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (60, 'ScheduleName_Water', '工作时间表', '大楼水泵/水管工作时间表', 2, 1, '4', 'I17', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (61, 'Chemistry_Time', '工作时间表', '化学反应工作时间表', 2, 1, '4', 'I17', '', '');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (62, 'IntermittentHeating_LoadRate', '采暖负荷计算', '间歇供暖附加负荷率%', 1, 0, '20', '', '100', '0');
INSERT INTO Initialization (ID, I_Name, I_NameType, I_Remark, I_ValueType, I_EditType, I_Value, I_ValueList, I_MaxValue, I_MinValue) VALUES (64, 'ACLoadPlusFullYearPercent', '空调负荷计算', '空调负荷逐日计算中不可预见因素附加百分比%', 1, 0, '0', '', '', '');
