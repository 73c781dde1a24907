-- The always-on schedule 全天运行 (ID 10, 100 % every hour, week rows 109 to 120), which the system
-- data and the blank project carry in addition to the nine standard schedules.
INSERT INTO DaySchedule (DayScheduleName, Value_0, Value_1, Value_2, Value_3, Value_4, Value_5, Value_6, Value_7, Value_8, Value_9, Value_10, Value_11, Value_12, Value_13, Value_14, Value_15, Value_16, Value_17, Value_18, Value_19, Value_20, Value_21, Value_22, Value_23) VALUES
('全天运行', 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100);

INSERT INTO WeekSchedule (ID, DaySchedule_DesignDay, DaySchedule_WinterDesignDay, DaySchedule_Monday, DaySchedule_Tuesday, DaySchedule_Wednesday, DaySchedule_Thursday, DaySchedule_Friday, DaySchedule_Saturday, DaySchedule_Sunday, DaySchedule_Holiday) VALUES
(109, '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行'),
(110, '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行'),
(111, '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行'),
(112, '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行'),
(113, '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行'),
(114, '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行'),
(115, '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行'),
(116, '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行'),
(117, '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行'),
(118, '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行'),
(119, '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行'),
(120, '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行', '全天运行');

INSERT INTO Schedule (ID, Name, WeekSchedule_1, WeekSchedule_2, WeekSchedule_3, WeekSchedule_4, WeekSchedule_5, WeekSchedule_6, WeekSchedule_7, WeekSchedule_8, WeekSchedule_9, WeekSchedule_10, WeekSchedule_11, WeekSchedule_12, ScheduleType) VALUES
(10, '全天运行', 109, 110, 111, 112, 113, 114, 115, 116, 117, 118, 119, 120, 0);
