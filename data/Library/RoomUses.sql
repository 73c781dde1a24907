-- Room uses and storey uses of the system data. Record IDs (stable), room uses:
-- 1 办公室, 2 高档办公室、设计室, 3 会议室, 4 旅馆客房, 5 大堂、四季厅, 6 百货商场,
-- 7 超市营业厅(一般超市), 8 餐厅(中餐厅), 9 宴会厅、多功能厅, 10 教室, 11 病房, 12 诊室、治疗室,
-- 13 候诊室、挂号厅, 14 阅览室(图书馆), 15 健身房, 16 影剧院、音乐厅观众厅.
-- Storey uses: 1 办公楼层, 2 商场楼层, 3 旅馆客房楼层.
-- Values: GB 50736-2012 comfort class I (cooling 26 C at 60 %, air-conditioned winter 22 C at 30 %,
-- indoor air speed up to 0.25 m/s); heating design temperature the GB 55015-2021 reference setpoint
-- where one exists, else 18 C (lower end of the GB 50736 heating range); fresh air, people density,
-- lighting power density (GB 50034-2013) and equipment density (as electronic equipment, W/m2) from
-- the reference table. Most of these are recalled from the standards and unverified; each row says
-- which. Permitted variations 0.5 K and 5 %, noise 40 dB(A): the program's usual defaults.
-- Load indexes (W/m2 of floor), for the estimates; each row names its table rows. Cooling: the
-- total is the middle of the range of the cooling load estimate table (冷负荷估算指标) of
-- 《实用供热空调设计手册》 (陆耀庆主编); the parts take the shares of the nearest row of the itemised
-- estimate table (空调冷负荷法估算冷指标: 建筑/人体/照明/新风负荷) with the envelope as 建筑负荷 and
-- "others" as 照明负荷, each rounded to 1 W/m2 and the rounding taken up by the largest part, so the
-- parts add up to the total. Heating: the envelope is the middle of the range of the heating index
-- of civil buildings (民用建筑面积供热指标 qF, empirical values from before the energy-saving design
-- standards, covering transmission and infiltration); the outdoor air heats the itemised row's fresh
-- air per m2 by 30 K (about -10 C outdoors to 20 C indoors, a Beijing-like winter) at
-- 0.335 W.h/(m3.K), to 0.5 W/m2; people and others stay 0, as internal gains are not credited
-- against a heating load; the total is envelope plus outdoor air.
-- Schedules: people, equipment and lighting of the standard schedule family of the building type;
-- electronic and heating equipment, fresh air, fan, chemical-reaction and envelope schedules follow the
-- people schedule, as the program sets them for its standard room uses.

CREATE TABLE RoomOccupation (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT COLLATE NOCASE,
    SummerACTemperature REAL,
    WinterACTemperature REAL,
    WinterHeatingTemperature REAL,
    TemperatureVariation REAL,
    TemperatureVariation_Heating REAL,
    SummerACRH REAL,
    WinterACRH REAL,
    WinterHeatingRH REAL,
    RHVariation REAL,
    RHVariation_Heating REAL,
    PeopleDensity REAL,
    LightingPower REAL,
    Noise REAL,
    OutsideAirSupply REAL,
    MaximumAirVelocity REAL,
    TotalCoolIndex REAL,
    TotalHeatIndex REAL,
    EnclosureCoolIndex REAL,
    EnclosureHeatIndex REAL,
    PeopleCoolIndex REAL,
    PeopleHeatIndex REAL,
    OutsideAirCoolIndex REAL,
    OutsideAirHeatIndex REAL,
    OthersCoolIndex REAL,
    PthersHeatIndex REAL,
    LaborType INTEGER,
    NewWindScheduleName TEXT COLLATE NOCASE,
    PeopleScheduleName TEXT COLLATE NOCASE,
    LightScheduleName TEXT COLLATE NOCASE,
    ElectricEquipmentScheduleName TEXT COLLATE NOCASE,
    HeatingEquipmentScheduleName TEXT COLLATE NOCASE,
    ElectronicEquipmentScheduleName TEXT COLLATE NOCASE,
    LightPower REAL DEFAULT 0,
    ElectricEquipmentPower REAL DEFAULT 0,
    HeatingEquipmentPower REAL DEFAULT 0,
    ElectronicEquipmentPower REAL DEFAULT 0,
    ElectricUseCoefficient REAL DEFAULT 1.0,
    HeatingUseCoefficient REAL DEFAULT 1.0,
    ElectronicUseCoefficient REAL DEFAULT 1.0,
    Fan_Time TEXT COLLATE NOCASE,
    Chemistry_Time TEXT COLLATE NOCASE,
    Maintenance_Time TEXT COLLATE NOCASE,
    ElecUnit INTEGER DEFAULT 0,
    ElecPowerUnit INTEGER DEFAULT 0,
    ElecHeatUnit INTEGER DEFAULT 0,
    NewWindUnit INTEGER DEFAULT 0,
    PeopleDensityUnit INTEGER DEFAULT 0,
    SimultaneousUseCoefficient REAL DEFAULT 0.65,
    FoodPeopleDensity REAL DEFAULT 0
);

CREATE TABLE StoreyOccupation (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT COLLATE NOCASE,
    SummerACTemperature REAL,
    WinterACTemperature REAL,
    WinterHeatingTemperature REAL,
    TemperatureVariation REAL,
    TemperatureVariation_Heating REAL,
    SummerACRH REAL,
    WinterACRH REAL,
    WinterHeatingRH REAL,
    RHVariation REAL,
    RHVariation_Heating REAL,
    PeopleDensity REAL,
    LightingPower REAL,
    Noise REAL,
    OutsideAirSupply REAL,
    MaximumAirVelocity REAL,
    TotalCoolIndex REAL,
    TotalHeatIndex REAL,
    EnclosureCoolIndex REAL,
    EnclosureHeatIndex REAL,
    PeopleCoolIndex REAL,
    PeopleHeatIndex REAL,
    OutsideAirCoolIndex REAL,
    OutsideAirHeatIndex REAL,
    OthersCoolIndex REAL,
    PthersHeatIndex REAL,
    LaborType INTEGER
);

-- 办公室 (reference: 普通办公室): fresh air 30 m3/(h.p), 0.1 p/m2 and 15 W/m2 recalled from GB 50736 / GB 50189 (the same in GB 55015 附录C); LPD 9 W/m2 recalled from GB 50034-2013
-- load indexes: cooling 办公 90~120, in the shares of 科研办公楼 (40/28/40/43); heating envelope 办公楼、教室 58~81, outdoor air 4 m3/(h.m2) (5 m2 per person at 20 m3/(h.person))
INSERT INTO RoomOccupation (ID, Name, SummerACTemperature, WinterACTemperature, WinterHeatingTemperature, TemperatureVariation, TemperatureVariation_Heating, SummerACRH, WinterACRH, WinterHeatingRH, RHVariation, RHVariation_Heating, PeopleDensity, LightingPower, Noise, OutsideAirSupply, MaximumAirVelocity, TotalCoolIndex, TotalHeatIndex, EnclosureCoolIndex, EnclosureHeatIndex, PeopleCoolIndex, PeopleHeatIndex, OutsideAirCoolIndex, OutsideAirHeatIndex, OthersCoolIndex, PthersHeatIndex, LaborType, NewWindScheduleName, PeopleScheduleName, LightScheduleName, ElectricEquipmentScheduleName, HeatingEquipmentScheduleName, ElectronicEquipmentScheduleName, LightPower, ElectricEquipmentPower, HeatingEquipmentPower, ElectronicEquipmentPower, ElectricUseCoefficient, HeatingUseCoefficient, ElectronicUseCoefficient, Fan_Time, Chemistry_Time, Maintenance_Time, ElecUnit, ElecPowerUnit, ElecHeatUnit, NewWindUnit, PeopleDensityUnit, SimultaneousUseCoefficient, FoodPeopleDensity)
    VALUES (1, '办公室', 26, 22, 20, 0.5, 0.5, 60, 30, NULL, 5, 5, 0.1, 9, 40, 30, 0.25, 105, 109.5, 28, 69.5, 19, 0, 30, 40, 28, 0, 1, '办公人员-公共建筑节能标准', '办公人员-公共建筑节能标准', '办公照明-公共建筑节能标准', '办公设备-公共建筑节能标准', '办公人员-公共建筑节能标准', '办公人员-公共建筑节能标准', 0, 0, 0, 15, 1, 1, 1, '办公人员-公共建筑节能标准', '办公人员-公共建筑节能标准', '办公人员-公共建筑节能标准', 1, 1, 1, 0, 0, 0.65, 0);
-- fresh air recalled; people and equipment are the office building averages; LPD 15 W/m2 recalled (GB 50034-2013)
-- load indexes: cooling 科研办公 90~140, in the shares of 科研办公楼 (40/28/40/43); heating envelope 办公楼、教室 58~81, outdoor air 4 m3/(h.m2) (5 m2 per person at 20 m3/(h.person))
INSERT INTO RoomOccupation (ID, Name, SummerACTemperature, WinterACTemperature, WinterHeatingTemperature, TemperatureVariation, TemperatureVariation_Heating, SummerACRH, WinterACRH, WinterHeatingRH, RHVariation, RHVariation_Heating, PeopleDensity, LightingPower, Noise, OutsideAirSupply, MaximumAirVelocity, TotalCoolIndex, TotalHeatIndex, EnclosureCoolIndex, EnclosureHeatIndex, PeopleCoolIndex, PeopleHeatIndex, OutsideAirCoolIndex, OutsideAirHeatIndex, OthersCoolIndex, PthersHeatIndex, LaborType, NewWindScheduleName, PeopleScheduleName, LightScheduleName, ElectricEquipmentScheduleName, HeatingEquipmentScheduleName, ElectronicEquipmentScheduleName, LightPower, ElectricEquipmentPower, HeatingEquipmentPower, ElectronicEquipmentPower, ElectricUseCoefficient, HeatingUseCoefficient, ElectronicUseCoefficient, Fan_Time, Chemistry_Time, Maintenance_Time, ElecUnit, ElecPowerUnit, ElecHeatUnit, NewWindUnit, PeopleDensityUnit, SimultaneousUseCoefficient, FoodPeopleDensity)
    VALUES (2, '高档办公室、设计室', 26, 22, 20, 0.5, 0.5, 60, 30, NULL, 5, 5, 0.1, 15, 40, 30, 0.25, 115, 109.5, 30, 69.5, 21, 0, 34, 40, 30, 0, 1, '办公人员-公共建筑节能标准', '办公人员-公共建筑节能标准', '办公照明-公共建筑节能标准', '办公设备-公共建筑节能标准', '办公人员-公共建筑节能标准', '办公人员-公共建筑节能标准', 0, 0, 0, 15, 1, 1, 1, '办公人员-公共建筑节能标准', '办公人员-公共建筑节能标准', '办公人员-公共建筑节能标准', 1, 1, 1, 0, 0, 0.65, 0);
-- fresh air 14 m3/(h.p) (GB 50736 high-density table, PF <= 0.4) and LPD recalled; no standard people density, so 0 (a design input)
-- load indexes: cooling 大会议室(不允许吸烟) 180~280, in the shares of 大会议室 (40/88/40/190); heating envelope 办公楼、教室 58~81, outdoor air 16.7 m3/(h.m2) (1.5 m2 per person at 25 m3/(h.person))
INSERT INTO RoomOccupation (ID, Name, SummerACTemperature, WinterACTemperature, WinterHeatingTemperature, TemperatureVariation, TemperatureVariation_Heating, SummerACRH, WinterACRH, WinterHeatingRH, RHVariation, RHVariation_Heating, PeopleDensity, LightingPower, Noise, OutsideAirSupply, MaximumAirVelocity, TotalCoolIndex, TotalHeatIndex, EnclosureCoolIndex, EnclosureHeatIndex, PeopleCoolIndex, PeopleHeatIndex, OutsideAirCoolIndex, OutsideAirHeatIndex, OthersCoolIndex, PthersHeatIndex, LaborType, NewWindScheduleName, PeopleScheduleName, LightScheduleName, ElectricEquipmentScheduleName, HeatingEquipmentScheduleName, ElectronicEquipmentScheduleName, LightPower, ElectricEquipmentPower, HeatingEquipmentPower, ElectronicEquipmentPower, ElectricUseCoefficient, HeatingUseCoefficient, ElectronicUseCoefficient, Fan_Time, Chemistry_Time, Maintenance_Time, ElecUnit, ElecPowerUnit, ElecHeatUnit, NewWindUnit, PeopleDensityUnit, SimultaneousUseCoefficient, FoodPeopleDensity)
    VALUES (3, '会议室', 26, 22, 20, 0.5, 0.5, 60, 30, NULL, 5, 5, 0, 9, 40, 14, 0.25, 230, 237, 26, 69.5, 57, 0, 121, 167.5, 26, 0, 0, '办公人员-公共建筑节能标准', '办公人员-公共建筑节能标准', '办公照明-公共建筑节能标准', '办公设备-公共建筑节能标准', '办公人员-公共建筑节能标准', '办公人员-公共建筑节能标准', 0, 0, 0, 0, 1, 1, 1, '办公人员-公共建筑节能标准', '办公人员-公共建筑节能标准', '办公人员-公共建筑节能标准', 1, 1, 1, 0, 0, 0.65, 0);
-- fresh air 30 m3/(h.p), 0.04 p/m2 and 15 W/m2 recalled (the same in GB 55015 附录C); LPD 7 W/m2 recalled (GB 50034-2013)
-- load indexes: cooling 旅游旅馆:客房 80~110, in the shares of 客房 (60/7/20/27); heating envelope 旅馆 58~70, outdoor air 5 m3/(h.m2) (10 m2 per person at 50 m3/(h.person))
INSERT INTO RoomOccupation (ID, Name, SummerACTemperature, WinterACTemperature, WinterHeatingTemperature, TemperatureVariation, TemperatureVariation_Heating, SummerACRH, WinterACRH, WinterHeatingRH, RHVariation, RHVariation_Heating, PeopleDensity, LightingPower, Noise, OutsideAirSupply, MaximumAirVelocity, TotalCoolIndex, TotalHeatIndex, EnclosureCoolIndex, EnclosureHeatIndex, PeopleCoolIndex, PeopleHeatIndex, OutsideAirCoolIndex, OutsideAirHeatIndex, OthersCoolIndex, PthersHeatIndex, LaborType, NewWindScheduleName, PeopleScheduleName, LightScheduleName, ElectricEquipmentScheduleName, HeatingEquipmentScheduleName, ElectronicEquipmentScheduleName, LightPower, ElectricEquipmentPower, HeatingEquipmentPower, ElectronicEquipmentPower, ElectricUseCoefficient, HeatingUseCoefficient, ElectronicUseCoefficient, Fan_Time, Chemistry_Time, Maintenance_Time, ElecUnit, ElecPowerUnit, ElecHeatUnit, NewWindUnit, PeopleDensityUnit, SimultaneousUseCoefficient, FoodPeopleDensity)
    VALUES (4, '旅馆客房', 26, 22, 20, 0.5, 0.5, 60, 30, NULL, 5, 5, 0.04, 7, 40, 30, 0.25, 95, 114, 50, 64, 6, 0, 22, 50, 17, 0, 1, '宾馆人员-公共建筑节能标准', '宾馆人员-公共建筑节能标准', '宾馆照明-公共建筑节能标准', '宾馆设备-公共建筑节能标准', '宾馆人员-公共建筑节能标准', '宾馆人员-公共建筑节能标准', 0, 0, 0, 15, 1, 1, 1, '宾馆人员-公共建筑节能标准', '宾馆人员-公共建筑节能标准', '宾馆人员-公共建筑节能标准', 1, 1, 1, 0, 0, 0.65, 0);
-- fresh air 10 m3/(h.p) and LPD recalled; no standard people or equipment density
-- load indexes: cooling 中庭、接待 90~120, in the shares of 中庭、接待 (90/17/60/24); heating envelope 旅馆 58~70, outdoor air 2.34 m3/(h.m2) (0.13 persons per m2 at 18 m3/(h.person))
INSERT INTO RoomOccupation (ID, Name, SummerACTemperature, WinterACTemperature, WinterHeatingTemperature, TemperatureVariation, TemperatureVariation_Heating, SummerACRH, WinterACRH, WinterHeatingRH, RHVariation, RHVariation_Heating, PeopleDensity, LightingPower, Noise, OutsideAirSupply, MaximumAirVelocity, TotalCoolIndex, TotalHeatIndex, EnclosureCoolIndex, EnclosureHeatIndex, PeopleCoolIndex, PeopleHeatIndex, OutsideAirCoolIndex, OutsideAirHeatIndex, OthersCoolIndex, PthersHeatIndex, LaborType, NewWindScheduleName, PeopleScheduleName, LightScheduleName, ElectricEquipmentScheduleName, HeatingEquipmentScheduleName, ElectronicEquipmentScheduleName, LightPower, ElectricEquipmentPower, HeatingEquipmentPower, ElectronicEquipmentPower, ElectricUseCoefficient, HeatingUseCoefficient, ElectronicUseCoefficient, Fan_Time, Chemistry_Time, Maintenance_Time, ElecUnit, ElecPowerUnit, ElecHeatUnit, NewWindUnit, PeopleDensityUnit, SimultaneousUseCoefficient, FoodPeopleDensity)
    VALUES (5, '大堂、四季厅', 26, 22, 18, 0.5, 0.5, 60, 30, NULL, 5, 5, 0, 9, 40, 10, 0.25, 105, 87.5, 50, 64, 9, 0, 13, 23.5, 33, 0, 1, '宾馆人员-公共建筑节能标准', '宾馆人员-公共建筑节能标准', '宾馆照明-公共建筑节能标准', '宾馆设备-公共建筑节能标准', '宾馆人员-公共建筑节能标准', '宾馆人员-公共建筑节能标准', 0, 0, 0, 0, 1, 1, 1, '宾馆人员-公共建筑节能标准', '宾馆人员-公共建筑节能标准', '宾馆人员-公共建筑节能标准', 1, 1, 1, 0, 0, 0.65, 0);
-- 百货商场 (reference: 商场营业厅(一般商店)): fresh air 19 m3/(h.p) (PF <= 0.4), 0.125 p/m2 and 13 W/m2 recalled (the same in GB 55015 附录C); LPD 10 W/m2 recalled (GB 50034-2013)
-- load indexes: cooling 商店:营业厅 150~250, in the shares of 商场二层 (35/128/40/104); heating envelope 商店 64~87, outdoor air 10 m3/(h.m2) (1.2 m2 per person at 12 m3/(h.person))
INSERT INTO RoomOccupation (ID, Name, SummerACTemperature, WinterACTemperature, WinterHeatingTemperature, TemperatureVariation, TemperatureVariation_Heating, SummerACRH, WinterACRH, WinterHeatingRH, RHVariation, RHVariation_Heating, PeopleDensity, LightingPower, Noise, OutsideAirSupply, MaximumAirVelocity, TotalCoolIndex, TotalHeatIndex, EnclosureCoolIndex, EnclosureHeatIndex, PeopleCoolIndex, PeopleHeatIndex, OutsideAirCoolIndex, OutsideAirHeatIndex, OthersCoolIndex, PthersHeatIndex, LaborType, NewWindScheduleName, PeopleScheduleName, LightScheduleName, ElectricEquipmentScheduleName, HeatingEquipmentScheduleName, ElectronicEquipmentScheduleName, LightPower, ElectricEquipmentPower, HeatingEquipmentPower, ElectronicEquipmentPower, ElectricUseCoefficient, HeatingUseCoefficient, ElectronicUseCoefficient, Fan_Time, Chemistry_Time, Maintenance_Time, ElecUnit, ElecPowerUnit, ElecHeatUnit, NewWindUnit, PeopleDensityUnit, SimultaneousUseCoefficient, FoodPeopleDensity)
    VALUES (6, '百货商场', 26, 22, 18, 0.5, 0.5, 60, 30, NULL, 5, 5, 0.125, 10, 40, 19, 0.25, 200, 176, 23, 75.5, 83, 0, 68, 100.5, 26, 0, 2, '商场人员-公共建筑节能标准', '商场人员-公共建筑节能标准', '商场照明-公共建筑节能标准', '商场设备-公共建筑节能标准', '商场人员-公共建筑节能标准', '商场人员-公共建筑节能标准', 0, 0, 0, 13, 1, 1, 1, '商场人员-公共建筑节能标准', '商场人员-公共建筑节能标准', '商场人员-公共建筑节能标准', 1, 1, 1, 0, 0, 0.65, 0);
-- fresh air and LPD recalled; people and equipment are the mall building averages
-- load indexes: cooling 商店:营业厅 150~250, in the shares of 商场二层 (35/128/40/104); heating envelope 商店 64~87, outdoor air 10 m3/(h.m2) (1.2 m2 per person at 12 m3/(h.person))
INSERT INTO RoomOccupation (ID, Name, SummerACTemperature, WinterACTemperature, WinterHeatingTemperature, TemperatureVariation, TemperatureVariation_Heating, SummerACRH, WinterACRH, WinterHeatingRH, RHVariation, RHVariation_Heating, PeopleDensity, LightingPower, Noise, OutsideAirSupply, MaximumAirVelocity, TotalCoolIndex, TotalHeatIndex, EnclosureCoolIndex, EnclosureHeatIndex, PeopleCoolIndex, PeopleHeatIndex, OutsideAirCoolIndex, OutsideAirHeatIndex, OthersCoolIndex, PthersHeatIndex, LaborType, NewWindScheduleName, PeopleScheduleName, LightScheduleName, ElectricEquipmentScheduleName, HeatingEquipmentScheduleName, ElectronicEquipmentScheduleName, LightPower, ElectricEquipmentPower, HeatingEquipmentPower, ElectronicEquipmentPower, ElectricUseCoefficient, HeatingUseCoefficient, ElectronicUseCoefficient, Fan_Time, Chemistry_Time, Maintenance_Time, ElecUnit, ElecPowerUnit, ElecHeatUnit, NewWindUnit, PeopleDensityUnit, SimultaneousUseCoefficient, FoodPeopleDensity)
    VALUES (7, '超市营业厅(一般超市)', 26, 22, 18, 0.5, 0.5, 60, 30, NULL, 5, 5, 0.125, 11, 40, 19, 0.25, 200, 176, 23, 75.5, 83, 0, 68, 100.5, 26, 0, 2, '商场人员-公共建筑节能标准', '商场人员-公共建筑节能标准', '商场照明-公共建筑节能标准', '商场设备-公共建筑节能标准', '商场人员-公共建筑节能标准', '商场人员-公共建筑节能标准', 0, 0, 0, 13, 1, 1, 1, '商场人员-公共建筑节能标准', '商场人员-公共建筑节能标准', '商场人员-公共建筑节能标准', 1, 1, 1, 0, 0, 0.65, 0);
-- fresh air 30 m3/(h.p) (PF <= 0.4) and LPD recalled; people and cooking loads are design inputs, so 0
-- load indexes: cooling 中餐厅、宴会厅 180~350, in the shares of 中餐厅 (35/116/20/190); heating envelope 食堂、餐厅 116~140, outdoor air 16.8 m3/(h.m2) (0.67 persons per m2 at 25 m3/(h.person))
INSERT INTO RoomOccupation (ID, Name, SummerACTemperature, WinterACTemperature, WinterHeatingTemperature, TemperatureVariation, TemperatureVariation_Heating, SummerACRH, WinterACRH, WinterHeatingRH, RHVariation, RHVariation_Heating, PeopleDensity, LightingPower, Noise, OutsideAirSupply, MaximumAirVelocity, TotalCoolIndex, TotalHeatIndex, EnclosureCoolIndex, EnclosureHeatIndex, PeopleCoolIndex, PeopleHeatIndex, OutsideAirCoolIndex, OutsideAirHeatIndex, OthersCoolIndex, PthersHeatIndex, LaborType, NewWindScheduleName, PeopleScheduleName, LightScheduleName, ElectricEquipmentScheduleName, HeatingEquipmentScheduleName, ElectronicEquipmentScheduleName, LightPower, ElectricEquipmentPower, HeatingEquipmentPower, ElectronicEquipmentPower, ElectricUseCoefficient, HeatingUseCoefficient, ElectronicUseCoefficient, Fan_Time, Chemistry_Time, Maintenance_Time, ElecUnit, ElecPowerUnit, ElecHeatUnit, NewWindUnit, PeopleDensityUnit, SimultaneousUseCoefficient, FoodPeopleDensity)
    VALUES (8, '餐厅(中餐厅)', 26, 22, 18, 0.5, 0.5, 60, 30, NULL, 5, 5, 0, 9, 40, 30, 0.25, 265, 296.5, 26, 128, 85, 0, 139, 168.5, 15, 0, 1, '宾馆人员-公共建筑节能标准', '宾馆人员-公共建筑节能标准', '宾馆照明-公共建筑节能标准', '宾馆设备-公共建筑节能标准', '宾馆人员-公共建筑节能标准', '宾馆人员-公共建筑节能标准', 0, 0, 0, 0, 1, 1, 1, '宾馆人员-公共建筑节能标准', '宾馆人员-公共建筑节能标准', '宾馆人员-公共建筑节能标准', 1, 1, 1, 0, 0, 0.65, 0);
-- fresh air 30 m3/(h.p) and LPD 13.5 W/m2 recalled; people and equipment are design inputs, so 0
-- load indexes: cooling 中餐厅、宴会厅 180~350, in the shares of 宴会厅 (30/134/30/216); heating envelope 食堂、餐厅 116~140, outdoor air 20 m3/(h.m2) (1.25 m2 per person at 25 m3/(h.person))
INSERT INTO RoomOccupation (ID, Name, SummerACTemperature, WinterACTemperature, WinterHeatingTemperature, TemperatureVariation, TemperatureVariation_Heating, SummerACRH, WinterACRH, WinterHeatingRH, RHVariation, RHVariation_Heating, PeopleDensity, LightingPower, Noise, OutsideAirSupply, MaximumAirVelocity, TotalCoolIndex, TotalHeatIndex, EnclosureCoolIndex, EnclosureHeatIndex, PeopleCoolIndex, PeopleHeatIndex, OutsideAirCoolIndex, OutsideAirHeatIndex, OthersCoolIndex, PthersHeatIndex, LaborType, NewWindScheduleName, PeopleScheduleName, LightScheduleName, ElectricEquipmentScheduleName, HeatingEquipmentScheduleName, ElectronicEquipmentScheduleName, LightPower, ElectricEquipmentPower, HeatingEquipmentPower, ElectronicEquipmentPower, ElectricUseCoefficient, HeatingUseCoefficient, ElectronicUseCoefficient, Fan_Time, Chemistry_Time, Maintenance_Time, ElecUnit, ElecPowerUnit, ElecHeatUnit, NewWindUnit, PeopleDensityUnit, SimultaneousUseCoefficient, FoodPeopleDensity)
    VALUES (9, '宴会厅、多功能厅', 26, 22, 18, 0.5, 0.5, 60, 30, NULL, 5, 5, 0, 13.5, 40, 30, 0.25, 265, 329, 19, 128, 87, 0, 140, 201, 19, 0, 1, '宾馆人员-公共建筑节能标准', '宾馆人员-公共建筑节能标准', '宾馆照明-公共建筑节能标准', '宾馆设备-公共建筑节能标准', '宾馆人员-公共建筑节能标准', '宾馆人员-公共建筑节能标准', 0, 0, 0, 0, 1, 1, 1, '宾馆人员-公共建筑节能标准', '宾馆人员-公共建筑节能标准', '宾馆人员-公共建筑节能标准', 1, 1, 1, 0, 0, 0.65, 0);
-- fresh air 28 m3/(h.p) (PF <= 0.4), 0.167 p/m2, 5 W/m2 and LPD recalled; office schedules, which the source gives for schools too
-- load indexes: cooling 会堂、报告厅 150~200, in the shares of 报告厅 (35/58/40/136); heating envelope 办公楼、教室 58~81, outdoor air 12.5 m3/(h.m2) (2 m2 per person at 25 m3/(h.person))
INSERT INTO RoomOccupation (ID, Name, SummerACTemperature, WinterACTemperature, WinterHeatingTemperature, TemperatureVariation, TemperatureVariation_Heating, SummerACRH, WinterACRH, WinterHeatingRH, RHVariation, RHVariation_Heating, PeopleDensity, LightingPower, Noise, OutsideAirSupply, MaximumAirVelocity, TotalCoolIndex, TotalHeatIndex, EnclosureCoolIndex, EnclosureHeatIndex, PeopleCoolIndex, PeopleHeatIndex, OutsideAirCoolIndex, OutsideAirHeatIndex, OthersCoolIndex, PthersHeatIndex, LaborType, NewWindScheduleName, PeopleScheduleName, LightScheduleName, ElectricEquipmentScheduleName, HeatingEquipmentScheduleName, ElectronicEquipmentScheduleName, LightPower, ElectricEquipmentPower, HeatingEquipmentPower, ElectronicEquipmentPower, ElectricUseCoefficient, HeatingUseCoefficient, ElectronicUseCoefficient, Fan_Time, Chemistry_Time, Maintenance_Time, ElecUnit, ElecPowerUnit, ElecHeatUnit, NewWindUnit, PeopleDensityUnit, SimultaneousUseCoefficient, FoodPeopleDensity)
    VALUES (10, '教室', 26, 22, 20, 0.5, 0.5, 60, 30, NULL, 5, 5, 0.167, 9, 40, 28, 0.25, 175, 195, 23, 69.5, 38, 0, 88, 125.5, 26, 0, 0, '办公人员-公共建筑节能标准', '办公人员-公共建筑节能标准', '办公照明-公共建筑节能标准', '办公设备-公共建筑节能标准', '办公人员-公共建筑节能标准', '办公人员-公共建筑节能标准', 0, 0, 0, 5, 1, 1, 1, '办公人员-公共建筑节能标准', '办公人员-公共建筑节能标准', '办公人员-公共建筑节能标准', 1, 1, 1, 0, 0, 0.65, 0);
-- fresh air 2 air changes per hour (recalled) as 6 m3/(h.m2) at the default room height of 3 m; people and equipment from GB 55015 (in-patient); LPD recalled; the in-patient profile is 95 % all day, so the always-on schedule
-- load indexes: cooling 医院:高级病房 80~110, in the shares of 客房 (60/7/20/27); heating envelope 医院、幼儿园 64~80, outdoor air 5 m3/(h.m2) (10 m2 per person at 50 m3/(h.person))
INSERT INTO RoomOccupation (ID, Name, SummerACTemperature, WinterACTemperature, WinterHeatingTemperature, TemperatureVariation, TemperatureVariation_Heating, SummerACRH, WinterACRH, WinterHeatingRH, RHVariation, RHVariation_Heating, PeopleDensity, LightingPower, Noise, OutsideAirSupply, MaximumAirVelocity, TotalCoolIndex, TotalHeatIndex, EnclosureCoolIndex, EnclosureHeatIndex, PeopleCoolIndex, PeopleHeatIndex, OutsideAirCoolIndex, OutsideAirHeatIndex, OthersCoolIndex, PthersHeatIndex, LaborType, NewWindScheduleName, PeopleScheduleName, LightScheduleName, ElectricEquipmentScheduleName, HeatingEquipmentScheduleName, ElectronicEquipmentScheduleName, LightPower, ElectricEquipmentPower, HeatingEquipmentPower, ElectronicEquipmentPower, ElectricUseCoefficient, HeatingUseCoefficient, ElectronicUseCoefficient, Fan_Time, Chemistry_Time, Maintenance_Time, ElecUnit, ElecPowerUnit, ElecHeatUnit, NewWindUnit, PeopleDensityUnit, SimultaneousUseCoefficient, FoodPeopleDensity)
    VALUES (11, '病房', 26, 22, 20, 0.5, 0.5, 60, 30, NULL, 5, 5, 0.04, 5, 40, 6.0, 0.25, 95, 122, 50, 72, 6, 0, 22, 50, 17, 0, 0, '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', 0, 0, 0, 15, 1, 1, 1, '全天运行', '全天运行', '全天运行', 1, 1, 1, 1, 0, 0.65, 0);
-- fresh air 2 air changes per hour (recalled) as 6 m3/(h.m2) at 3 m; 0.125 p/m2, 20 W/m2 and LPD recalled; office schedules stand in for the out-patient day
-- load indexes: cooling X光、CT、B超诊室 120~150, in the shares of 科研办公楼 (40/28/40/43); heating envelope 医院、幼儿园 64~80, outdoor air 4 m3/(h.m2) (5 m2 per person at 20 m3/(h.person))
INSERT INTO RoomOccupation (ID, Name, SummerACTemperature, WinterACTemperature, WinterHeatingTemperature, TemperatureVariation, TemperatureVariation_Heating, SummerACRH, WinterACRH, WinterHeatingRH, RHVariation, RHVariation_Heating, PeopleDensity, LightingPower, Noise, OutsideAirSupply, MaximumAirVelocity, TotalCoolIndex, TotalHeatIndex, EnclosureCoolIndex, EnclosureHeatIndex, PeopleCoolIndex, PeopleHeatIndex, OutsideAirCoolIndex, OutsideAirHeatIndex, OthersCoolIndex, PthersHeatIndex, LaborType, NewWindScheduleName, PeopleScheduleName, LightScheduleName, ElectricEquipmentScheduleName, HeatingEquipmentScheduleName, ElectronicEquipmentScheduleName, LightPower, ElectricEquipmentPower, HeatingEquipmentPower, ElectronicEquipmentPower, ElectricUseCoefficient, HeatingUseCoefficient, ElectronicUseCoefficient, Fan_Time, Chemistry_Time, Maintenance_Time, ElecUnit, ElecPowerUnit, ElecHeatUnit, NewWindUnit, PeopleDensityUnit, SimultaneousUseCoefficient, FoodPeopleDensity)
    VALUES (12, '诊室、治疗室', 26, 22, 18, 0.5, 0.5, 60, 30, NULL, 5, 5, 0.125, 9, 40, 6.0, 0.25, 135, 112, 36, 72, 25, 0, 38, 40, 36, 0, 1, '办公人员-公共建筑节能标准', '办公人员-公共建筑节能标准', '办公照明-公共建筑节能标准', '办公设备-公共建筑节能标准', '办公人员-公共建筑节能标准', '办公人员-公共建筑节能标准', 0, 0, 0, 20, 1, 1, 1, '办公人员-公共建筑节能标准', '办公人员-公共建筑节能标准', '办公人员-公共建筑节能标准', 1, 1, 1, 1, 0, 0.65, 0);
-- LPD recalled; no standard fresh-air, people or equipment value, so 0; office schedules stand in for the out-patient day
-- load indexes: cooling 中庭、接待 90~120, in the shares of 中庭、接待 (90/17/60/24); heating envelope 医院、幼儿园 64~80, outdoor air 2.34 m3/(h.m2) (0.13 persons per m2 at 18 m3/(h.person))
INSERT INTO RoomOccupation (ID, Name, SummerACTemperature, WinterACTemperature, WinterHeatingTemperature, TemperatureVariation, TemperatureVariation_Heating, SummerACRH, WinterACRH, WinterHeatingRH, RHVariation, RHVariation_Heating, PeopleDensity, LightingPower, Noise, OutsideAirSupply, MaximumAirVelocity, TotalCoolIndex, TotalHeatIndex, EnclosureCoolIndex, EnclosureHeatIndex, PeopleCoolIndex, PeopleHeatIndex, OutsideAirCoolIndex, OutsideAirHeatIndex, OthersCoolIndex, PthersHeatIndex, LaborType, NewWindScheduleName, PeopleScheduleName, LightScheduleName, ElectricEquipmentScheduleName, HeatingEquipmentScheduleName, ElectronicEquipmentScheduleName, LightPower, ElectricEquipmentPower, HeatingEquipmentPower, ElectronicEquipmentPower, ElectricUseCoefficient, HeatingUseCoefficient, ElectronicUseCoefficient, Fan_Time, Chemistry_Time, Maintenance_Time, ElecUnit, ElecPowerUnit, ElecHeatUnit, NewWindUnit, PeopleDensityUnit, SimultaneousUseCoefficient, FoodPeopleDensity)
    VALUES (13, '候诊室、挂号厅', 26, 22, 18, 0.5, 0.5, 60, 30, NULL, 5, 5, 0, 6.5, 40, 0, 0.25, 105, 95.5, 50, 72, 9, 0, 13, 23.5, 33, 0, 0, '办公人员-公共建筑节能标准', '办公人员-公共建筑节能标准', '办公照明-公共建筑节能标准', '办公设备-公共建筑节能标准', '办公人员-公共建筑节能标准', '办公人员-公共建筑节能标准', 0, 0, 0, 0, 1, 1, 1, '办公人员-公共建筑节能标准', '办公人员-公共建筑节能标准', '办公人员-公共建筑节能标准', 1, 1, 1, 0, 0, 0.65, 0);
-- fresh air 20 m3/(h.p) (PF <= 0.4) and LPD recalled; office schedules stand in for library hours
-- load indexes: cooling 图书阅览室 75~100, in the shares of 阅览室 (50/14/30/27); heating envelope 图书馆 46~75, outdoor air 2.5 m3/(h.m2) (10 m2 per person at 25 m3/(h.person))
INSERT INTO RoomOccupation (ID, Name, SummerACTemperature, WinterACTemperature, WinterHeatingTemperature, TemperatureVariation, TemperatureVariation_Heating, SummerACRH, WinterACRH, WinterHeatingRH, RHVariation, RHVariation_Heating, PeopleDensity, LightingPower, Noise, OutsideAirSupply, MaximumAirVelocity, TotalCoolIndex, TotalHeatIndex, EnclosureCoolIndex, EnclosureHeatIndex, PeopleCoolIndex, PeopleHeatIndex, OutsideAirCoolIndex, OutsideAirHeatIndex, OthersCoolIndex, PthersHeatIndex, LaborType, NewWindScheduleName, PeopleScheduleName, LightScheduleName, ElectricEquipmentScheduleName, HeatingEquipmentScheduleName, ElectronicEquipmentScheduleName, LightPower, ElectricEquipmentPower, HeatingEquipmentPower, ElectronicEquipmentPower, ElectricUseCoefficient, HeatingUseCoefficient, ElectronicUseCoefficient, Fan_Time, Chemistry_Time, Maintenance_Time, ElecUnit, ElecPowerUnit, ElecHeatUnit, NewWindUnit, PeopleDensityUnit, SimultaneousUseCoefficient, FoodPeopleDensity)
    VALUES (14, '阅览室(图书馆)', 26, 22, 18, 0.5, 0.5, 60, 30, NULL, 5, 5, 0, 9, 40, 20, 0.25, 87.5, 85.5, 35.5, 60.5, 10, 0, 20, 25, 22, 0, 0, '办公人员-公共建筑节能标准', '办公人员-公共建筑节能标准', '办公照明-公共建筑节能标准', '办公设备-公共建筑节能标准', '办公人员-公共建筑节能标准', '办公人员-公共建筑节能标准', 0, 0, 0, 0, 1, 1, 1, '办公人员-公共建筑节能标准', '办公人员-公共建筑节能标准', '办公人员-公共建筑节能标准', 1, 1, 1, 0, 0, 0.65, 0);
-- fresh air 40 m3/(h.p) (PF <= 0.4) recalled; no LPD, people or equipment value, so 0; mall schedules stand in for opening hours
-- load indexes: cooling 健身房、保龄球 100~200, in the shares of 健身房、保龄球 (35/87/20/130); heating envelope 礼堂、体育馆 116~163, outdoor air 12 m3/(h.m2) (5 m2 per person at 60 m3/(h.person))
INSERT INTO RoomOccupation (ID, Name, SummerACTemperature, WinterACTemperature, WinterHeatingTemperature, TemperatureVariation, TemperatureVariation_Heating, SummerACRH, WinterACRH, WinterHeatingRH, RHVariation, RHVariation_Heating, PeopleDensity, LightingPower, Noise, OutsideAirSupply, MaximumAirVelocity, TotalCoolIndex, TotalHeatIndex, EnclosureCoolIndex, EnclosureHeatIndex, PeopleCoolIndex, PeopleHeatIndex, OutsideAirCoolIndex, OutsideAirHeatIndex, OthersCoolIndex, PthersHeatIndex, LaborType, NewWindScheduleName, PeopleScheduleName, LightScheduleName, ElectricEquipmentScheduleName, HeatingEquipmentScheduleName, ElectronicEquipmentScheduleName, LightPower, ElectricEquipmentPower, HeatingEquipmentPower, ElectronicEquipmentPower, ElectricUseCoefficient, HeatingUseCoefficient, ElectronicUseCoefficient, Fan_Time, Chemistry_Time, Maintenance_Time, ElecUnit, ElecPowerUnit, ElecHeatUnit, NewWindUnit, PeopleDensityUnit, SimultaneousUseCoefficient, FoodPeopleDensity)
    VALUES (15, '健身房', 26, 22, 18, 0.5, 0.5, 60, 30, NULL, 5, 5, 0, 0, 40, 40, 0.25, 150, 260, 19, 139.5, 48, 0, 72, 120.5, 11, 0, 4, '商场人员-公共建筑节能标准', '商场人员-公共建筑节能标准', '商场照明-公共建筑节能标准', '商场设备-公共建筑节能标准', '商场人员-公共建筑节能标准', '商场人员-公共建筑节能标准', 0, 0, 0, 0, 1, 1, 1, '商场人员-公共建筑节能标准', '商场人员-公共建筑节能标准', '商场人员-公共建筑节能标准', 1, 1, 1, 0, 0, 0.65, 0);
-- fresh air 14 m3/(h.p) (PF <= 0.4) recalled; no LPD, people or equipment value, so 0; mall schedules stand in for opening hours
-- load indexes: cooling 影剧院:观众席 180~350, in the shares of 观众厅 (30/228/15/174); heating envelope 影剧院 93~116, outdoor air 16 m3/(h.m2) (0.5 m2 per person at 8 m3/(h.person))
INSERT INTO RoomOccupation (ID, Name, SummerACTemperature, WinterACTemperature, WinterHeatingTemperature, TemperatureVariation, TemperatureVariation_Heating, SummerACRH, WinterACRH, WinterHeatingRH, RHVariation, RHVariation_Heating, PeopleDensity, LightingPower, Noise, OutsideAirSupply, MaximumAirVelocity, TotalCoolIndex, TotalHeatIndex, EnclosureCoolIndex, EnclosureHeatIndex, PeopleCoolIndex, PeopleHeatIndex, OutsideAirCoolIndex, OutsideAirHeatIndex, OthersCoolIndex, PthersHeatIndex, LaborType, NewWindScheduleName, PeopleScheduleName, LightScheduleName, ElectricEquipmentScheduleName, HeatingEquipmentScheduleName, ElectronicEquipmentScheduleName, LightPower, ElectricEquipmentPower, HeatingEquipmentPower, ElectronicEquipmentPower, ElectricUseCoefficient, HeatingUseCoefficient, ElectronicUseCoefficient, Fan_Time, Chemistry_Time, Maintenance_Time, ElecUnit, ElecPowerUnit, ElecHeatUnit, NewWindUnit, PeopleDensityUnit, SimultaneousUseCoefficient, FoodPeopleDensity)
    VALUES (16, '影剧院、音乐厅观众厅', 26, 22, 18, 0.5, 0.5, 60, 30, NULL, 5, 5, 0, 0, 40, 14, 0.25, 265, 265.5, 18, 104.5, 135, 0, 103, 161, 9, 0, 0, '商场人员-公共建筑节能标准', '商场人员-公共建筑节能标准', '商场照明-公共建筑节能标准', '商场设备-公共建筑节能标准', '商场人员-公共建筑节能标准', '商场人员-公共建筑节能标准', 0, 0, 0, 0, 1, 1, 1, '商场人员-公共建筑节能标准', '商场人员-公共建筑节能标准', '商场人员-公共建筑节能标准', 1, 1, 1, 0, 0, 0.65, 0);

-- Storey uses take the values, load indexes included, of the room use they are named after
-- (办公室, 百货商场, 旅馆客房).
INSERT INTO StoreyOccupation (ID, Name, SummerACTemperature, WinterACTemperature, WinterHeatingTemperature, TemperatureVariation, TemperatureVariation_Heating, SummerACRH, WinterACRH, WinterHeatingRH, RHVariation, RHVariation_Heating, PeopleDensity, LightingPower, Noise, OutsideAirSupply, MaximumAirVelocity, TotalCoolIndex, TotalHeatIndex, EnclosureCoolIndex, EnclosureHeatIndex, PeopleCoolIndex, PeopleHeatIndex, OutsideAirCoolIndex, OutsideAirHeatIndex, OthersCoolIndex, PthersHeatIndex, LaborType)
    VALUES (1, '办公楼层', 26, 22, 20, 0.5, 0.5, 60, 30, NULL, 5, 5, 0.1, 9, 40, 30, 0.25, 105, 109.5, 28, 69.5, 19, 0, 30, 40, 28, 0, 1);
INSERT INTO StoreyOccupation (ID, Name, SummerACTemperature, WinterACTemperature, WinterHeatingTemperature, TemperatureVariation, TemperatureVariation_Heating, SummerACRH, WinterACRH, WinterHeatingRH, RHVariation, RHVariation_Heating, PeopleDensity, LightingPower, Noise, OutsideAirSupply, MaximumAirVelocity, TotalCoolIndex, TotalHeatIndex, EnclosureCoolIndex, EnclosureHeatIndex, PeopleCoolIndex, PeopleHeatIndex, OutsideAirCoolIndex, OutsideAirHeatIndex, OthersCoolIndex, PthersHeatIndex, LaborType)
    VALUES (2, '商场楼层', 26, 22, 18, 0.5, 0.5, 60, 30, NULL, 5, 5, 0.125, 10, 40, 19, 0.25, 200, 176, 23, 75.5, 83, 0, 68, 100.5, 26, 0, 2);
INSERT INTO StoreyOccupation (ID, Name, SummerACTemperature, WinterACTemperature, WinterHeatingTemperature, TemperatureVariation, TemperatureVariation_Heating, SummerACRH, WinterACRH, WinterHeatingRH, RHVariation, RHVariation_Heating, PeopleDensity, LightingPower, Noise, OutsideAirSupply, MaximumAirVelocity, TotalCoolIndex, TotalHeatIndex, EnclosureCoolIndex, EnclosureHeatIndex, PeopleCoolIndex, PeopleHeatIndex, OutsideAirCoolIndex, OutsideAirHeatIndex, OthersCoolIndex, PthersHeatIndex, LaborType)
    VALUES (3, '旅馆客房楼层', 26, 22, 20, 0.5, 0.5, 60, 30, NULL, 5, 5, 0.04, 7, 40, 30, 0.25, 95, 114, 50, 64, 6, 0, 22, 50, 17, 0, 1);
